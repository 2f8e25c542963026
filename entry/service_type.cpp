// Reading the service-type record through the common model-record road.
#include "service_type.h"

#include "model_record.h"
#include "qzw9svb/cs_memutil.h"
#include "qzw9svb/toolbox_cap.h"

namespace {

constexpr ULONG kRecordSize = 80;
constexpr ULONG kAlignmentOffset = 56;
constexpr ULONG kCleaningOffset = 60;
constexpr ULONG kSelfTestOffset = 64;

LONG WordAt(const unsigned char* record, ULONG offset)
{
    LONG value;
    CSCopyMemory(record + offset, &value, sizeof(value));
    return value;
}

} // namespace

ServiceType ReadServiceType(const char* queue)
{
    unsigned char record[kRecordSize];
    ServiceType type = {};
    type.fromQueue = ReadModelRecord(queue, CapRecordServiceType, record, sizeof(record));
    type.featureFlags = static_cast<ULONG>(WordAt(record, 0));
    type.alignment = WordAt(record, kAlignmentOffset);
    type.cleaning = WordAt(record, kCleaningOffset);
    type.selfTest = WordAt(record, kSelfTestOffset);
    return type;
}
