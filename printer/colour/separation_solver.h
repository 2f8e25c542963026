// How much of each ink reproduces a colour. Black comes from replacing the grey component: all of
// it for neutrals, which then print with black alone, less of it the more colourful and the lighter
// the colour, where black dots would show as grain. Cyan, magenta and yellow then come from
// inverting the ink model, or give the nearest printable colour where the inks cannot reach;
// process colours keep to their own ink (process_colours.h).
// An iterative solve per colour: the table generator calls it, the pipeline reads its tables.
#pragma once
#include "ink_model.h"

// Total coverage a spot may carry, all inks together: coated inkjet paper takes about 250%
// before ink bleeds and the sheet cockles.
constexpr double kInkLimit = 2.5;

// The inks for a source colour, aiming at its PrintTarget.
InkCoverage SeparateColour(const LinearRgb& source);
