// CIELAB under D65 for colours given in linear sRGB, and colour differences between them: what the
// separation aims at and what the quality measurement scores.
#pragma once
#include "ink_model.h"

struct Lab {
    double L, a, b;
};

Lab LabFromLinear(const LinearRgb& colour);
// Luminance Y (white 1) and lightness L* of a neutral, both ways.
double Luminance(const LinearRgb& colour);
double LightnessOfLuminance(double luminance);
double LuminanceOfLightness(double lightness);
// CIEDE2000 with unit weights.
double DeltaE2000(const Lab& one, const Lab& other);
// CIE76: the Euclidean distance, smooth everywhere, which is what a solver wants to descend.
double DeltaE76(const Lab& one, const Lab& other);
