// The queue information reader: open, ask the size with a first call without a buffer, read, close.
#include "queue_info.h"

#include <new>

#include "spooler.h"

std::unique_ptr<BYTE[]> ReadQueueInfo(const char* queue, QueueInfoLevel level)
{
    const SpoolerCalls& spooler = Spooler();
    HANDLE printer = nullptr;
    // A null name would open the print server itself.
    if (!queue || !spooler.openPrinter(const_cast<LPSTR>(queue), &printer, nullptr))
        return nullptr;
    DWORD needed = 0;
    spooler.getPrinter(printer, level, nullptr, 0, &needed); // fails by design: it only asks the size
    std::unique_ptr<BYTE[]> info(needed ? new (std::nothrow) BYTE[needed] : nullptr);
    if (info && !spooler.getPrinter(printer, level, info.get(), needed, &needed))
        info.reset();
    spooler.closePrinter(printer);
    return info;
}
