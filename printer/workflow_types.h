// The workflow each maintenance service runs for a printer model, as the type values of the
// model's service-type record name them. What each workflow sends is in workflow_documents.h.
#pragma once
#include "qzw9svb/cs_abi.h"

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
