// Print queues from the spooler (level-2 information of the local and connected printers).
#include "print_queues.h"

#include <windows.h>

namespace {

constexpr DWORD kNameAndDriverLevel = 2; // PRINTER_INFO_2A

} // namespace

std::vector<PrintQueue> ListPrintQueues()
{
    std::vector<PrintQueue> queues;
    DWORD flags = PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS;
    DWORD needed = 0, count = 0;
    ::EnumPrintersA(flags, nullptr, kNameAndDriverLevel, nullptr, 0, &needed, &count);
    if (needed == 0)
        return queues;
    std::vector<BYTE> buffer(needed);
    if (!::EnumPrintersA(flags, nullptr, kNameAndDriverLevel, buffer.data(), needed, &needed, &count))
        return queues;
    const auto* info = reinterpret_cast<const PRINTER_INFO_2A*>(buffer.data());
    for (DWORD i = 0; i < count; ++i)
        queues.push_back({info[i].pPrinterName ? info[i].pPrinterName : "",
                          info[i].pDriverName ? info[i].pDriverName : ""});
    return queues;
}

bool PrintQueueExists(const std::string& name)
{
    HANDLE printer = nullptr;
    if (!::OpenPrinterA(const_cast<char*>(name.c_str()), &printer, nullptr))
        return false;
    ::ClosePrinter(printer);
    return true;
}
