// Colour tables of the library's bitmaps: the standard 16-colour palette, whose dark red is the
// key colour that the dialogs replace with their background, and the logo's extended table.
#pragma once
#include <cstdint>
#include <vector>

namespace qz_bitmaps {

struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
};

using Palette = std::vector<Rgb>;

// Indices into the standard 16-colour palette, in its usual order.
enum Colour : std::uint8_t {
    kBlack,
    kKey,  // dark red (128, 0, 0): shows the dialog background
    kDarkGreen,
    kOlive,
    kNavy,
    kPurple,
    kTeal,
    kSilver,
    kGrey,
    kRed,
    kGreen,
    kYellow,
    kBlue,
    kMagenta,
    kCyan,
    kWhite,
};

inline constexpr std::size_t kStandardColourCount = 16;

const Palette& StandardPalette();

// The standard colours followed by a ramp from navy to blue for the logo's shaded band.
inline constexpr std::uint8_t kLogoRampFirst = kStandardColourCount;
inline constexpr std::uint8_t kLogoRampSteps = 16;
const Palette& LogoPalette();

} // namespace qz_bitmaps
