// Real print queues in the test's Wine prefix whose port is a file of the build tree: each
// document sent to such a queue lands, raw, in that file.
#pragma once
#include <string>
#include <vector>

// A queue with the given name and driver name; the spooled file is emptied at creation.
class WineQueue {
public:
    WineQueue(const std::string& name, const std::string& driver);
    ~WineQueue();
    WineQueue(const WineQueue&) = delete;
    WineQueue& operator=(const WineQueue&) = delete;

    bool Ready() const { return m_ready; }
    const std::string& Name() const { return m_name; }
    char* MutableName() { return &m_name[0]; }
    // The bytes of the last document; empty when none arrived.
    std::vector<unsigned char> Spooled() const;
    bool SpooledFileExists() const;

private:
    std::string m_name;
    std::string m_unixPath;
    bool m_ready;
};
