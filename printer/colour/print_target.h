// The colour the printer aims at for a source colour: the source as it is down to a lightness
// of kShadowKnee, darker tones compressed onto what lies between there and the black ink's own
// lightness, so that every step of a dark ramp stays a distinct step on paper. The compression
// keeps the hue and fades the colour towards the ink's black, as the eye sees colour fade there.
#pragma once
#include "ink_model.h"

constexpr double kShadowKnee = 40.0; // L*

LinearRgb PrintTarget(const LinearRgb& source);

// The black ink is neutral: it darkens every channel alike, down to this luminance.
double BlackInkLuminance();

// Black coverage that prints a neutral of this luminance (0 black to 1 white) with black alone.
double BlackForLuminance(double luminance);
