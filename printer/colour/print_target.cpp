// The print target: colours as they are above the shadow knee, darker ones compressed onto the
// range between the knee and the black ink's own lightness.
#include "print_target.h"

#include <algorithm>

#include "colour_space.h"

namespace {

// The shadow compression's slope at black, relative to a straight line from black to the knee:
// steep enough that the darkest source steps still differ on paper.
constexpr double kShadowSlopeAtBlack = 1.0;

// L* below the knee, compressed by a cubic that starts at the black ink's lightness with the
// given slope and joins the identity at the knee with no kink.
double CompressedLightness(double lightness)
{
    if (lightness >= kShadowKnee)
        return lightness;
    const double black = LightnessOfLuminance(BlackInkLuminance());
    const double t = lightness / kShadowKnee;
    const double slopeAtKnee = kShadowKnee / (kShadowKnee - black);
    const double shape = kShadowSlopeAtBlack * (t * t * t - 2 * t * t + t) + (3 * t * t - 2 * t * t * t) + slopeAtKnee * (t * t * t - t * t);
    return black + (kShadowKnee - black) * shape;
}

double PrintedLuminance(double luminance)
{
    return LuminanceOfLightness(CompressedLightness(LightnessOfLuminance(std::clamp(luminance, 0.0, 1.0))));
}

} // namespace

double BlackInkLuminance()
{
    return Luminance(kBlackInk);
}

LinearRgb PrintTarget(const LinearRgb& source)
{
    const LinearRgb clamped{std::clamp(source.r, 0.0, 1.0), std::clamp(source.g, 0.0, 1.0), std::clamp(source.b, 0.0, 1.0)};
    const double luminance = Luminance(clamped);
    const double knee = LuminanceOfLightness(kShadowKnee);
    if (luminance >= knee)
        return clamped;
    // A neutral part that is the ink's black at black and nothing at the knee, and the source
    // scaled so that the two together have the compressed luminance.
    const double neutral = BlackInkLuminance() * (1.0 - luminance / knee) * (1.0 - luminance / knee);
    const double scale = luminance > 0 ? (PrintedLuminance(luminance) - neutral) / luminance : 0.0;
    auto map = [&](double value) { return std::min(1.0, scale * value + neutral); };
    return {map(clamped.r), map(clamped.g), map(clamped.b)};
}

double BlackForLuminance(double luminance)
{
    return (1.0 - PrintedLuminance(luminance)) / (1.0 - BlackInkLuminance());
}
