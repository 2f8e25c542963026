// The ink model: multiplicative overlay of the four inks on white paper.
#include "ink_model.h"

#include <algorithm>
#include <cmath>

namespace {

// One ink over a fraction of the spot: the uncovered part passes everything.
double Filter(double coverage, double reflectance)
{
    return 1.0 - coverage * (1.0 - reflectance);
}

} // namespace

LinearRgb PaperColour(const InkCoverage& c)
{
    return {
        Filter(c.cyan, kCyanInk.r) * Filter(c.magenta, kMagentaInk.r) * Filter(c.yellow, kYellowInk.r) * Filter(c.black, kBlackInk.r),
        Filter(c.cyan, kCyanInk.g) * Filter(c.magenta, kMagentaInk.g) * Filter(c.yellow, kYellowInk.g) * Filter(c.black, kBlackInk.g),
        Filter(c.cyan, kCyanInk.b) * Filter(c.magenta, kMagentaInk.b) * Filter(c.yellow, kYellowInk.b) * Filter(c.black, kBlackInk.b),
    };
}

Srgb8 PaperColourSrgb8(const InkCoverage& coverage)
{
    LinearRgb linear = PaperColour(coverage);
    return {Srgb8FromLinear(linear.r), Srgb8FromLinear(linear.g), Srgb8FromLinear(linear.b)};
}

double LinearFromSrgb(double encoded)
{
    return encoded <= 0.04045 ? encoded / 12.92 : std::pow((encoded + 0.055) / 1.055, 2.4);
}

double SrgbFromLinear(double linear)
{
    linear = std::clamp(linear, 0.0, 1.0);
    return linear <= 0.0031308 ? linear * 12.92 : 1.055 * std::pow(linear, 1.0 / 2.4) - 0.055;
}

uint8_t Srgb8FromLinear(double linear)
{
    return static_cast<uint8_t>(std::lround(SrgbFromLinear(linear) * 255.0));
}

LinearRgb LinearFromSrgb8(const Srgb8& colour)
{
    return {LinearFromSrgb(colour.r / 255.0), LinearFromSrgb(colour.g / 255.0), LinearFromSrgb(colour.b / 255.0)};
}
