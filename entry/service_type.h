// The fields of a model's service-type record that select the services' workflows.
#pragma once

struct ServiceType {
    bool fromQueue; // the queue was opened and reported its information
    unsigned long featureFlags;
    long alignment;
    long cleaning;
    long selfTest;
};

// Bit of featureFlags: the model offers colour calibration.
constexpr unsigned long kFeatureColourCalibration = 0x10;

// Reads record 23 of the queue's model (or of the first model when the queue cannot be read);
// every field is 0 when the model has no such record.
ServiceType ReadServiceType(const char* queue);
