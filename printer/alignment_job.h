// The alignment result job: the user's alignment choices as eleven PML commands.
#pragma once
#include "pml_objects.h"

// The job always goes out at this size: the commands, then zeros to the end.
constexpr ULONG kAlignmentJobSize = 2048;

// The ten values the job sets, in command order: groupA, groupC, averageAC, groupB, groupD,
// averageBD, groupE, then the three spare values.
struct AlignmentJobValues {
    LONG values[kAlignmentSettings];
};

// The pattern picked in each group A to E, numbered 1 to 5 as the pattern page labels them.
struct AlignmentPatterns {
    int a, b, c, d, e;
};
constexpr int kPatternsPerGroup = 5;

// The values the choice dialog records for these picks, by the rule in alignment_rule.h; the spares
// stay 0.
AlignmentJobValues AlignmentValuesOf(const AlignmentPatterns& patterns);

// Builds the commands from the start of destination; 1 when all of them fit in capacity,
// 0 when one would not (the bytes written so far then stay).
int BuildAlignmentCommands(unsigned char* destination, ULONG capacity, const AlignmentJobValues& job);
