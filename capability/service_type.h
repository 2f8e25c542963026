// The service-type record (record 23 of a model): which workflow each service runs for the
// model, and whether the model calibrates colour.
#pragma once
#include "qzw9svb/cs_platform.h"

// Alignment: a page of patterns and the user's choices (three model families share it), or the
// printer aligning by itself after a cartridge change. Other values offer no alignment.
enum AlignmentType : LONG {
    AlignmentPatternsFamily1 = 1,
    AlignmentAutomatic = 2,
    AlignmentPatternsFamily3 = 3,
    AlignmentPatternsFamily4 = 4,
};

inline bool AlignsWithPatternPages(AlignmentType type)
{
    return type == AlignmentPatternsFamily1 || type == AlignmentPatternsFamily3 || type == AlignmentPatternsFamily4;
}

// Cleaning: any value but these escalates through the three levels of the print-head dialogs.
enum CleaningType : LONG {
    CleaningCartridge = 6, // the cartridge dialogs, a test page after every level
    CleaningLeadIn = 7,    // one level-2 job behind a run of zero bytes
};

// Self-test: other values offer none.
enum SelfTestType : LONG {
    SelfTestConfirmOnly = 8, // the page is confirmed, but no job belongs to it
    SelfTestStoredJob = 9,
    SelfTestBuiltPage = 10, // a short buffer built at run time
};

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
