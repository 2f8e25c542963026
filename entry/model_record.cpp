// ReadModelRecord: the queue's level-2 information gives the driver name to look the record up by.
#include "model_record.h"

#include "qzw9svb/cis_string_list.h"
#include "qzw9svb/cs_memutil.h"
#include "qzw9svb/toolbox_cap.h"
#include "spooler.h"

namespace {

// Reads the record for the queue's driver name; false when the queue's information could not
// be read far enough to name a driver.
bool ReadThroughQueue(const char* queue, unsigned int record, void* buffer, ULONG capacity)
{
    const SpoolerCalls& spooler = Spooler();
    HANDLE printer = nullptr;
    if (!queue) // a null name would open the print server itself
        return false;
    if (!spooler.openPrinter(const_cast<LPSTR>(queue), &printer, nullptr))
        return false;
    DWORD needed = 0;
    spooler.getPrinter(printer, 2, nullptr, 0, &needed); // fails by design: it only asks the size
    bool read = false;
    if (needed > 0) {
        auto* info = static_cast<PRINTER_INFO_2A*>(::HeapAlloc(::GetProcessHeap(), HEAP_ZERO_MEMORY, needed));
        if (info && spooler.getPrinter(printer, 2, reinterpret_cast<LPBYTE>(info), needed, &needed)) {
            ULONG size = capacity;
            GetDataFromSPC(info->pDriverName, record, buffer, &size);
            read = true;
        }
        if (info)
            ::HeapFree(::GetProcessHeap(), 0, info);
    }
    spooler.closePrinter(printer);
    return read;
}

void ReadFirstSupportedModel(unsigned int record, void* buffer, ULONG capacity)
{
    CISStringList realnames;
    CToolboxCap::Instance();
    GetAllSupportedRealnames(&realnames);
    const char* first = realnames.Find(1);
    if (!first)
        return;
    ULONG size = capacity;
    GetDataFromSPC(const_cast<char*>(first), record, buffer, &size);
}

} // namespace

bool ReadModelRecord(const char* queue, unsigned int record, void* buffer, ULONG capacity)
{
    CSZeroMemory(buffer, capacity);
    if (ReadThroughQueue(queue, record, buffer, capacity))
        return true;
    ReadFirstSupportedModel(record, buffer, capacity);
    return false;
}
