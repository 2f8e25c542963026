// The standard 16-colour palette and the logo's palette built on it.
#include "palette.h"

namespace qz_bitmaps {

const Palette& StandardPalette()
{
    static const Palette colours = {
        {0, 0, 0},       {128, 0, 0},     {0, 128, 0},   {128, 128, 0},
        {0, 0, 128},     {128, 0, 128},   {0, 128, 128}, {192, 192, 192},
        {128, 128, 128}, {255, 0, 0},     {0, 255, 0},   {255, 255, 0},
        {0, 0, 255},     {255, 0, 255},   {0, 255, 255}, {255, 255, 255},
    };
    return colours;
}

const Palette& LogoPalette()
{
    static const Palette colours = [] {
        Palette table = StandardPalette();
        for (int step = 0; step < kLogoRampSteps; ++step) {
            // From navy (0, 0, 128) towards a light blue (96, 160, 255), evenly.
            const int last = kLogoRampSteps - 1;
            table.push_back({static_cast<std::uint8_t>(96 * step / last),
                             static_cast<std::uint8_t>(160 * step / last),
                             static_cast<std::uint8_t>(128 + 127 * step / last)});
        }
        return table;
    }();
    return colours;
}

} // namespace qz_bitmaps
