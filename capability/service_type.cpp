// Reading the service-type record through the common model-record road.
#include "service_type.h"

#include "model_record.h"
#include "service_type_record.h"
#include "qzw9svb/cs_memutil.h"
#include "qzw9svb/toolbox_cap.h"

namespace {

LONG WordAt(const unsigned char* record, ULONG offset)
{
    LONG value;
    CSCopyMemory(record + offset, &value, sizeof(value));
    return value;
}

} // namespace

ServiceType ReadServiceType(const char* queue)
{
    unsigned char record[kServiceTypeRecordSize];
    ServiceType type = {};
    type.fromQueue = ReadModelRecord(queue, CapRecordServiceType, record, sizeof(record));
    type.calibratesColour = (static_cast<ULONG>(WordAt(record, 0)) & kCalibrationFlag) != 0;
    type.alignment = static_cast<AlignmentType>(WordAt(record, kAlignmentTypeOffset));
    type.cleaning = static_cast<CleaningType>(WordAt(record, kCleaningTypeOffset));
    type.selfTest = static_cast<SelfTestType>(WordAt(record, kSelfTestTypeOffset));
    return type;
}
