// The eleven commands of the alignment result job, each appended whole or not at all.
#include "alignment_job.h"

#include <string.h>

#include "pml_encoder.h"
#include "alignment_rule.h"

namespace {

// Identifiers 1.4.1.5.3.x.y of the ten alignment settings, in command order.
const unsigned char kSettingIds[10][7] = {
    {1, 4, 1, 5, 3, 2, 5}, {1, 4, 1, 5, 3, 3, 5}, {1, 4, 1, 5, 3, 4, 5}, {1, 4, 1, 5, 3, 2, 6},
    {1, 4, 1, 5, 3, 3, 6}, {1, 4, 1, 5, 3, 4, 6}, {1, 4, 1, 5, 3, 1, 7}, {1, 4, 1, 5, 3, 2, 7},
    {1, 4, 1, 5, 3, 3, 7}, {1, 4, 1, 5, 3, 4, 7},
};

// Appends one command if it fits; false when the running total would pass the capacity.
bool Append(unsigned char* destination, ULONG capacity, ULONG& total, const unsigned char* command, size_t length)
{
    if (total + length > capacity)
        return false;
    memcpy(destination + total, command, length);
    total += static_cast<ULONG>(length);
    return true;
}

constexpr int kMiddlePattern = (kPatternsPerGroup + 1) / 2;

LONG ValueOfPattern(int pattern, LONG step)
{
    return PatternValue(pattern - kMiddlePattern, step);
}

} // namespace

AlignmentJobValues AlignmentValuesOf(const AlignmentPatterns& patterns)
{
    const LONG a = ValueOfPattern(patterns.a, kNarrowGroupStep), c = ValueOfPattern(patterns.c, kNarrowGroupStep);
    const LONG b = ValueOfPattern(patterns.b, kWideGroupStep), d = ValueOfPattern(patterns.d, kWideGroupStep);
    return {{a, c, GroupAverage(a, c), b, d, GroupAverage(b, d), ValueOfPattern(patterns.e, kWideGroupStep), 0, 0, 0}};
}

int BuildAlignmentCommands(unsigned char* destination, ULONG capacity, const AlignmentJobValues& job)
{
    unsigned char command[kMaxPmlCommand];
    ULONG total = 0;
    for (int i = 0; i < 10; ++i) {
        size_t length = WrapPmlCommand(command, BuildPmlSetInteger(command, kSettingIds[i], job.values[i]));
        if (!Append(destination, capacity, total, command, length))
            return 0;
    }
    size_t length = WrapPmlCommand(command, BuildPmlSetFixed(command));
    return Append(destination, capacity, total, command, length) ? 1 : 0;
}
