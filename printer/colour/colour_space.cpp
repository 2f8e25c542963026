// Colour-space conversions through Little CMS.
#include "colour_space.h"

#include <lcms2.h>

namespace {

// The sRGB primaries to XYZ with the D65 white at Y = 1.
constexpr double kToXyz[3][3] = {
    {0.4124564, 0.3575761, 0.1804375},
    {0.2126729, 0.7151522, 0.0721750},
    {0.0193339, 0.1191920, 0.9503041},
};
const cmsCIEXYZ kD65{0.95047, 1.0, 1.08883};

cmsCIELab ToCms(const Lab& lab)
{
    return {lab.L, lab.a, lab.b};
}

} // namespace

Lab LabFromLinear(const LinearRgb& c)
{
    cmsCIEXYZ xyz{
        kToXyz[0][0] * c.r + kToXyz[0][1] * c.g + kToXyz[0][2] * c.b,
        kToXyz[1][0] * c.r + kToXyz[1][1] * c.g + kToXyz[1][2] * c.b,
        kToXyz[2][0] * c.r + kToXyz[2][1] * c.g + kToXyz[2][2] * c.b,
    };
    cmsCIELab lab;
    cmsXYZ2Lab(&kD65, &lab, &xyz);
    return {lab.L, lab.a, lab.b};
}

double Luminance(const LinearRgb& c)
{
    return kToXyz[1][0] * c.r + kToXyz[1][1] * c.g + kToXyz[1][2] * c.b;
}

double LightnessOfLuminance(double luminance)
{
    return LabFromLinear({luminance, luminance, luminance}).L;
}

double LuminanceOfLightness(double lightness)
{
    const cmsCIELab lab{lightness, 0, 0};
    cmsCIEXYZ xyz;
    cmsLab2XYZ(&kD65, &xyz, &lab);
    return xyz.Y;
}

double DeltaE2000(const Lab& one, const Lab& other)
{
    cmsCIELab a = ToCms(one), b = ToCms(other);
    return cmsCIE2000DeltaE(&a, &b, 1.0, 1.0, 1.0);
}

double DeltaE76(const Lab& one, const Lab& other)
{
    cmsCIELab a = ToCms(one), b = ToCms(other);
    return cmsDeltaE(&a, &b);
}
