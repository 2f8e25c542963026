// What the printer's inks look like on paper: the colour a spot takes for given area coverages
// of cyan, magenta, yellow and black. The separation tables are made by inverting this model,
// the quality measurement and the viewer draw with it.
#pragma once
#include <stdint.h>

// Area coverage of each ink at a spot, 0 (none) to 1 (solid). A 4-level dot at intensity L
// covers L/3.
struct InkCoverage {
    double cyan, magenta, yellow, black;
};

// Linear-light RGB with sRGB primaries, 0..1; 1 is the bare paper.
struct LinearRgb {
    double r, g, b;
};

struct Srgb8 {
    uint8_t r, g, b;
};

// What each ink reflects where it covers the paper, per channel. Chosen to give the solids of dye
// inks on coated inkjet paper: about L*a*b* 64/-15/-37 for cyan, 50/62/-1 for magenta, 88/-6/80 for
// yellow and L* 16 for black (optical density 1.7). Real cyans are greener still, beyond what sRGB
// primaries can hold; this one is the nearest that stays representable.
constexpr LinearRgb kCyanInk{0.02, 0.38, 0.72};
constexpr LinearRgb kMagentaInk{0.64, 0.05, 0.20};
constexpr LinearRgb kYellowInk{0.95, 0.72, 0.03};
constexpr LinearRgb kBlackInk{0.02, 0.02, 0.02};

// Inks overlay as filters on white paper: each ink passes its reflectance over its covered part and
// everything elsewhere, and dots of different inks overlap at random.
LinearRgb PaperColour(const InkCoverage& coverage);
Srgb8 PaperColourSrgb8(const InkCoverage& coverage);

// The sRGB transfer curve, on 0..1.
double LinearFromSrgb(double encoded);
double SrgbFromLinear(double linear);
uint8_t Srgb8FromLinear(double linear);
LinearRgb LinearFromSrgb8(const Srgb8& colour);
