// The bitmaps the dialogs rely on, by id: size, colour depth and colour-table entries. Shared by
// the check of the generated files and the check of the resources in the built library.
#pragma once
#include <cstdint>

namespace expected_bitmaps {

struct ExpectedBitmap {
    std::uint16_t id;
    int width;
    int height;
    int bitsPerPixel;
    std::uint32_t colours;
};

// 4-bit pictures carry the standard 16 colours; 1664 is 8-bit with only those 16; the logo
// 2751 adds a ramp of 16 blues.
inline constexpr ExpectedBitmap kLibraryBitmaps[] = {
    {67, 120, 170, 4, 16},   {68, 120, 170, 4, 16},   {69, 120, 170, 4, 16},
    {70, 120, 170, 4, 16},   {71, 118, 168, 4, 16},   {72, 94, 138, 4, 16},
    {73, 120, 170, 4, 16},   {74, 120, 170, 4, 16},   {1664, 110, 135, 8, 16},
    {1667, 120, 170, 4, 16}, {1668, 120, 170, 4, 16}, {2751, 120, 16, 8, 32},
    {2757, 229, 22, 4, 16},
};

// Asked for by the dialogs but deliberately not stored, so those items stay blank: the colour
// squares of the calibration choice and the information page's default pictures.
inline constexpr std::uint16_t kAbsentBitmaps[] = {75, 2752, 18};

} // namespace expected_bitmaps
