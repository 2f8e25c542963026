// ReadModelRecord: the queue's level-2 information gives the driver name to look the record up by.
#include "model_record.h"

#include "platform/queue_info.h"
#include "qzw9svb/cis_string_list.h"
#include "qzw9svb/cs_memutil.h"
#include "qzw9svb/toolbox_cap.h"

namespace {

void ReadRecordOf(const char* realname, unsigned int record, void* buffer, ULONG capacity)
{
    char* name = const_cast<char*>(realname); // the queries take names they only read
    if (GetDataSize(name, record) != capacity)
        return;
    ULONG size = capacity;
    GetDataFromSPC(name, record, buffer, &size);
}

void ReadFirstSupportedModel(unsigned int record, void* buffer, ULONG capacity)
{
    CISStringList realnames;
    CToolboxCap::Instance();
    GetAllSupportedRealnames(&realnames);
    if (const char* first = realnames.Find(1))
        ReadRecordOf(first, record, buffer, capacity);
}

} // namespace

bool ReadModelRecord(const char* queue, unsigned int record, void* buffer, ULONG capacity)
{
    CSZeroMemory(buffer, capacity);
    std::unique_ptr<BYTE[]> info = ReadQueueInfo(queue, QueueInfoDriver);
    if (!info) {
        ReadFirstSupportedModel(record, buffer, capacity);
        return false;
    }
    ReadRecordOf(reinterpret_cast<const PRINTER_INFO_2A*>(info.get())->pDriverName, record, buffer, capacity);
    return true;
}
