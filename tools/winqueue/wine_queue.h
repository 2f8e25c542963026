// Print queues in a Wine prefix whose port is a Unix file: each document sent to such a queue
// lands, raw, in that file. Used by the tests and by the demo.
#pragma once
#include <string>
#include <vector>

// The Windows view of an absolute Unix path (Wine's Z: drive).
std::string DosPath(const std::string& unixPath);

// A queue with the given name and driver name whose documents land in spoolFile (an absolute
// Unix path); the file is removed at creation and, unless kept, when the object goes.
class WineQueue {
public:
    WineQueue(const std::string& name, const std::string& driver, const std::string& spoolFile);
    ~WineQueue();
    WineQueue(const WineQueue&) = delete;
    WineQueue& operator=(const WineQueue&) = delete;

    bool Ready() const { return m_ready; }
    // Which step of making the queue failed, and the error it left; empty when ready.
    const std::string& Problem() const { return m_problem; }
    const std::string& Name() const { return m_name; }
    char* MutableName() { return &m_name[0]; }
    // The bytes of the last document; empty when none arrived.
    std::vector<unsigned char> Spooled() const;
    bool SpooledFileExists() const;
    void KeepSpooledFile() { m_keep = true; }

private:
    std::string m_name;
    std::string m_unixPath;
    bool m_ready;
    std::string m_problem;
    bool m_keep = false;
};
