// Decoding the service-type record's bytes into the workflow types.
#include "service_type.h"

#include "service_type_record.h"
#include "qzw9svb/cs_memutil.h"

namespace {

LONG WordAt(const unsigned char* record, ULONG offset)
{
    LONG value;
    CSCopyMemory(record + offset, &value, sizeof(value));
    return value;
}

} // namespace

ServiceType DecodeServiceType(const unsigned char* record)
{
    ServiceType type = {};
    type.calibratesColour = (static_cast<ULONG>(WordAt(record, 0)) & kCalibrationFlag) != 0;
    type.alignment = static_cast<AlignmentType>(WordAt(record, kAlignmentTypeOffset));
    type.cleaning = static_cast<CleaningType>(WordAt(record, kCleaningTypeOffset));
    type.selfTest = static_cast<SelfTestType>(WordAt(record, kSelfTestTypeOffset));
    return type;
}
