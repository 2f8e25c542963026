// Reading the service-type record through the common model-record road.
#include "service_type.h"

#include "model_record.h"
#include "service_type_record.h"
#include "qzw9svb/toolbox_cap.h"

ServiceType ReadServiceType(const char* queue)
{
    unsigned char record[kServiceTypeRecordSize];
    bool fromQueue = ReadModelRecord(queue, CapRecordServiceType, record, sizeof(record));
    ServiceType type = DecodeServiceType(record);
    type.fromQueue = fromQueue;
    return type;
}
