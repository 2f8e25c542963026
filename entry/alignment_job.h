// The alignment result job: the user's alignment choices as eleven PML commands.
#pragma once
#include "qzw9svb/cs_platform.h"

// The ten values the job sets, in command order: groupA, groupC, averageAC, groupB, groupD,
// averageBD, groupE, then the three spare values.
struct AlignmentJobValues {
    LONG values[10];
};

// Builds the commands from the start of destination; 1 when all of them fit in capacity,
// 0 when one would not (the bytes written so far then stay).
int BuildAlignmentCommands(unsigned char* destination, ULONG capacity, const AlignmentJobValues& job);
