// The service-type record (record 23 of a model): which workflow each service runs for the
// model, and whether the model calibrates colour.
#pragma once
#include "printer/workflow_types.h"

struct ServiceType {
    bool fromQueue; // the queue was opened and reported its information
    bool calibratesColour;
    AlignmentType alignment;
    CleaningType cleaning;
    SelfTestType selfTest;
};

// The fields of a record's bytes (kServiceTypeRecordSize of them, as the store holds them);
// fromQueue is left false. Portable, so that other spoolers' drivers read the record alike.
ServiceType DecodeServiceType(const unsigned char* record);

// Reads the record of the queue's model (or of the first model when the queue cannot be read);
// every field is 0 or false when the model has no such record.
ServiceType ReadServiceType(const char* queue);
