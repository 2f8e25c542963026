// The page of test bands, printed after each level of the deep cleaning: its bands of printed rows
// and the figures the finished raster job has. It is printed in the printer's raster
// (printer/raster_format.h): component 1 (black) at 600 dpi in one bit plane, so each 300-dpi row
// carries two of its rows; components 2, 3 and 4 at 300 dpi in four levels, two bit planes each.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

namespace qz_jobs {

// Transfers of one 300-dpi row: two component-1 rows, then two planes of each other component.
inline constexpr std::size_t kPlanesPerRow = 8;
inline constexpr std::size_t kComponent1Planes = 2;
inline constexpr std::size_t kComponent1MaxWidth = 528; // 4224 dots at 600 dpi
inline constexpr std::size_t kColourMaxWidth = 179;     // 1432 dots at 300 dpi

enum class BandPattern {
    GreyWedge,       // noise-dithered grey, its width fitted to the data budget
    NozzleStaircase, // one short dash per nozzle row, stepping across the page
    SolidBlock,      // full black: shows banding and missing nozzles
    LineGrid,        // vertical lines every 32 bytes
    RuledLines,      // alternating full rules and rulers of tick marks
    Checkerboard,    // black and white squares
    ColourPatches,   // cyan, magenta and yellow patches at all three levels, with a black patch
    ColourRamps,     // noise-dithered mid-tone colour ramps, with black bars of stepped widths
};

struct Band {
    int firstRow; // 300-dpi rows counted from the start of the raster
    int lastRow;
    BandPattern pattern;
};

inline constexpr std::array<Band, 8> kBandPageBands = {{
    {304, 412, BandPattern::GreyWedge},
    {526, 621, BandPattern::NozzleStaircase},
    {687, 733, BandPattern::SolidBlock},
    {746, 794, BandPattern::LineGrid},
    {803, 852, BandPattern::RuledLines},
    {864, 920, BandPattern::Checkerboard},
    {985, 1050, BandPattern::ColourPatches},
    {1070, 1136, BandPattern::ColourRamps},
}};

// The raster starts with two moves to the first band; after the last band the page is moved on in
// steps the printer can take in one sweep, down to the page end, before it is ejected.
inline constexpr std::array<int, 2> kLeadingMoves = {112, 192};
inline constexpr int kTrailingMoveRows = 112;
inline constexpr int kTrailingMoves = 17;

inline constexpr std::size_t kLeadInNuls = 600;
inline constexpr std::size_t kCompressedDataBytes = 201808;
inline constexpr std::size_t kBandPageJobBytes = 213608;

} // namespace qz_jobs
