// The eleven commands of the alignment result job, each appended whole or not at all.
#include "alignment_job.h"

#include <string.h>

#include "pml_encoder.h"

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

constexpr int kMiddlePattern = 3;
constexpr LONG kNarrowStep = 1; // groups A and C
constexpr LONG kWideStep = 4;   // groups B, D and E

LONG PatternValue(int pattern, LONG step)
{
    return (pattern - kMiddlePattern) * step;
}

} // namespace

AlignmentJobValues AlignmentValuesOf(const AlignmentPatterns& patterns)
{
    const LONG a = PatternValue(patterns.a, kNarrowStep), c = PatternValue(patterns.c, kNarrowStep);
    const LONG b = PatternValue(patterns.b, kWideStep), d = PatternValue(patterns.d, kWideStep);
    return {{a, c, (a + c) / 2, b, d, (b + d) / 2, PatternValue(patterns.e, kWideStep), 0, 0, 0}};
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
