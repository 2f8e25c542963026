// Opening a queue and reading its information, sized by a first call without a buffer.
#include "printer_info.h"

#include <new>

#include "entry/spooler.h"

OpenQueue::OpenQueue(const char* name) : m_handle(nullptr)
{
    HANDLE handle = nullptr;
    if (Spooler().openPrinter(const_cast<LPSTR>(name), &handle, nullptr))
        m_handle = handle;
}

OpenQueue::~OpenQueue()
{
    if (m_handle)
        Spooler().closePrinter(m_handle);
}

std::unique_ptr<BYTE[]> OpenQueue::Read(DWORD level) const
{
    if (!m_handle)
        return nullptr;
    DWORD needed = 0;
    Spooler().getPrinter(m_handle, level, nullptr, 0, &needed);
    if (!needed)
        return nullptr;
    std::unique_ptr<BYTE[]> buffer(new (std::nothrow) BYTE[needed]);
    if (!buffer || !Spooler().getPrinter(m_handle, level, buffer.get(), needed, &needed))
        return nullptr;
    return buffer;
}
