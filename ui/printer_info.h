// Reading a print queue's information at one level through the spooler seam.
#pragma once
#include <windows.h>

#include <memory>

// An open queue, closed when the object goes.
class OpenQueue {
public:
    explicit OpenQueue(const char* name);
    ~OpenQueue();
    OpenQueue(const OpenQueue&) = delete;
    OpenQueue& operator=(const OpenQueue&) = delete;

    bool IsOpen() const { return m_handle != nullptr; }
    // The queue's information at level, in a buffer of the size the spooler asks for; null when
    // the size query gives 0, the memory is refused or the read fails.
    std::unique_ptr<BYTE[]> Read(DWORD level) const;

private:
    HANDLE m_handle;
};
