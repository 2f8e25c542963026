// How a picked alignment pattern becomes the value the printer is given: the middle pattern of a
// group means 0 and each pattern away from it is worth the group's step; the job also carries the
// averages of groups A and C and of groups B and D. The choice dialog and the drivers that take
// pattern numbers (CUPS, the printer application) share it, so all give the printer the same values.
#pragma once
#include "qzw9svb/cs_abi.h"

constexpr LONG kNarrowGroupStep = 1; // groups A and C
constexpr LONG kWideGroupStep = 4;   // groups B, D and E

constexpr LONG PatternValue(LONG patternsFromMiddle, LONG step)
{
    return patternsFromMiddle * step;
}

// Truncated toward zero, as the printer expects.
constexpr LONG GroupAverage(LONG first, LONG second)
{
    return (first + second) / 2;
}
