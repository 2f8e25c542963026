// The user's cartridge alignment choices: written by the group choice dialog, read by the
// alignment job builder. Every alignment dialog gets the record as its init record.
#pragma once
#include "ui/service_dialog.h"

// Values a group holds before any of its patterns is chosen.
constexpr LONG kUnsetNarrowGroup = 0xFFFFFE;  // groups A and C (steps of 1)
constexpr LONG kUnsetWideGroup = 0xFFFFFF;    // groups B and D (steps of 4)
constexpr LONG kUnsetGroupE = 0xFFFFFA;

// Eleven signed 32-bit fields; the layout is shared with the job builder.
struct AlignmentChoices {
    DialogInitRecord dialog; // window of the alignment dialog that is up
    LONG groupE;
    LONG spare0;
    LONG spare1;
    LONG spare2;
    LONG groupA;
    LONG groupC;
    LONG averageAC; // (groupA + groupC) / 2, truncated toward zero
    LONG groupB;
    LONG groupD;
    LONG averageBD; // (groupB + groupD) / 2, truncated toward zero
};
static_assert(sizeof(AlignmentChoices) == 11 * sizeof(LONG), "eleven 32-bit fields");
