// The eleven commands of the alignment result job, each appended whole or not at all.
#include "alignment_job.h"

#include <string.h>

#include "alignment_rule.h"
#include "pml_encoder.h"
#include "pml_objects.h"

namespace {

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
    for (size_t i = 0; i < kAlignmentSettings; ++i) {
        size_t length = WrapPmlCommand(command, BuildPmlSetInteger(command, kAlignmentSettingIds[i], job.values[i]));
        if (!Append(destination, capacity, total, command, length))
            return 0;
    }
    size_t length = WrapPmlCommand(command, BuildPmlSetFixed(command));
    return Append(destination, capacity, total, command, length) ? 1 : 0;
}
