// The pixels of the page of test bands, band pattern by band pattern.
#include "band_page_rows.h"

#include <cstdint>

namespace qz_jobs {

namespace {

constexpr std::uint8_t kBlack = 0xFF;
constexpr std::size_t kDotsPerByte = 8;
// Separate noise streams, so the wedge and the three ramps do not share a texture.
constexpr std::uint32_t kWedgeNoise = 1;
constexpr std::uint32_t kFirstRampNoise = 2;

// A well-mixed 32-bit hash, so the noise dither has no visible texture and is the same everywhere.
std::uint32_t Mix(std::uint32_t value)
{
    value ^= value >> 16;
    value *= 0x7FEB352Du;
    value ^= value >> 15;
    value *= 0x846CA68Bu;
    value ^= value >> 16;
    return value;
}

// True with probability density / 65536, fixed per dot.
bool NoiseDot(std::size_t x, int y, std::uint32_t salt, std::uint32_t density)
{
    std::uint32_t hash = Mix(static_cast<std::uint32_t>(x) ^ Mix(static_cast<std::uint32_t>(y) ^ Mix(salt)));
    return (hash & 0xFFFFu) < density;
}

template <typename DotIsSet> Bytes DrawDots(std::size_t width, DotIsSet dotIsSet)
{
    Bytes row(width);
    for (std::size_t byte = 0; byte < width; ++byte)
        for (std::size_t bit = 0; bit < kDotsPerByte; ++bit)
            if (dotIsSet(byte * kDotsPerByte + bit))
                row[byte] |= static_cast<std::uint8_t>(0x80u >> bit);
    return row;
}

// The byte `mark` every `period` bytes from `offset` on, in a row `width` bytes wide.
Bytes Marks(std::size_t offset, std::size_t period, std::uint8_t mark, std::size_t width)
{
    Bytes row(width);
    for (std::size_t at = offset; at < width; at += period)
        row[at] = mark;
    return row;
}

// Grey rising from 30% to 70% left to right, so every row is busy enough to stay in literal runs.
Bytes GreyWedge(int dotRow)
{
    constexpr std::uint32_t kLightest = 19661, kRise = 26214;
    constexpr std::size_t kWidthDots = kComponent1MaxWidth * kDotsPerByte;
    return DrawDots(kComponent1MaxWidth, [dotRow](std::size_t x) {
        return NoiseDot(x, dotRow, kWedgeNoise, kLightest + static_cast<std::uint32_t>(kRise * x / kWidthDots));
    });
}

// Each nozzle row prints a one-byte dash every 32 bytes, one byte further right than the row above,
// so a missing nozzle shows as a gap in the staircase.
Bytes NozzleStaircase(int dotRow)
{
    constexpr std::size_t kStep = 32, kWidth = 512;
    return Marks(static_cast<std::size_t>(dotRow) % kStep, kStep, kBlack, kWidth);
}

Bytes SolidBlock()
{
    constexpr std::size_t kWidth = 512;
    return Bytes(kWidth, kBlack);
}

Bytes LineGrid()
{
    constexpr std::size_t kStep = 32, kWidth = 513;
    constexpr std::uint8_t kTwoDotLine = 0xC0;
    return Marks(0, kStep, kTwoDotLine, kWidth);
}

// Even dot rows are full-width rules, odd ones rulers with a one-dot tick every 24 bytes.
Bytes RuledLine(int dotRow)
{
    constexpr std::size_t kTickStep = 24;
    constexpr std::uint8_t kTick = 0x80;
    if (dotRow % 2 == 0)
        return Bytes(kComponent1MaxWidth, kBlack);
    return Marks(0, kTickStep, kTick, kComponent1MaxWidth);
}

Bytes Checkerboard(int dotRow)
{
    constexpr std::size_t kCellBytes = 32, kWidth = 512;
    constexpr int kCellRows = 38;
    const std::size_t phase = static_cast<std::size_t>(dotRow / kCellRows) % 2;
    Bytes row(kWidth);
    for (std::size_t byte = 0; byte < kWidth; ++byte)
        if ((byte / kCellBytes + phase) % 2 == 0)
            row[byte] = kBlack;
    return row;
}

Bytes BlackPatch()
{
    constexpr std::size_t kWidth = 96;
    return Bytes(kWidth, kBlack);
}

// Bars of 8, 16, 24 and 32 bytes alternating with white gaps of the same widths.
Bytes SteppedBars()
{
    constexpr std::size_t kStepBytes = 8, kSteps = 4;
    Bytes row;
    for (std::size_t bar = 0; row.size() < kComponent1MaxWidth; ++bar) {
        const std::uint8_t shade = bar % 2 == 0 ? kBlack : 0x00;
        row.insert(row.end(), (bar % kSteps + 1) * kStepBytes, shade);
    }
    row.resize(kComponent1MaxWidth);
    return row;
}

// Bit `bit` of a colour level: plane 0 carries the low bit, plane 1 the high bit.
std::uint8_t LevelPlaneByte(unsigned level, unsigned bit)
{
    return ((level >> bit) & 1u) != 0 ? kBlack : 0x00;
}

// Patches 16 bytes wide cycling through levels 1, 2, 3, each colour starting one level on.
Bytes ColourPatches(unsigned colour, unsigned bit)
{
    constexpr std::size_t kPatchBytes = 16;
    constexpr unsigned kLevels = 3;
    Bytes row(kColourMaxWidth);
    for (std::size_t byte = 0; byte < kColourMaxWidth; ++byte)
        row[byte] = LevelPlaneByte(static_cast<unsigned>(byte / kPatchBytes + colour) % kLevels + 1, bit);
    return row;
}

// Between levels 1 and 2, with the share of level 2 running from 15% to 85% across the page
// (rising for cyan and yellow, falling for magenta); the dither keeps both planes busy.
Bytes ColourRamp(int row, unsigned colour, unsigned bit)
{
    constexpr std::uint32_t kLeast = 9830, kRise = 45875;
    constexpr std::size_t kWidthDots = kColourMaxWidth * kDotsPerByte;
    return DrawDots(kColourMaxWidth, [row, colour, bit](std::size_t x) {
        const std::size_t along = colour == 1 ? kWidthDots - 1 - x : x;
        const std::uint32_t share = kLeast + static_cast<std::uint32_t>(kRise * along / kWidthDots);
        const unsigned level = NoiseDot(x, row, kFirstRampNoise + colour, share) ? 2 : 1;
        return LevelPlaneByte(level, bit) != 0;
    });
}

Bytes Component1Row(BandPattern pattern, int dotRow)
{
    switch (pattern) {
    case BandPattern::GreyWedge: return GreyWedge(dotRow);
    case BandPattern::NozzleStaircase: return NozzleStaircase(dotRow);
    case BandPattern::SolidBlock: return SolidBlock();
    case BandPattern::LineGrid: return LineGrid();
    case BandPattern::RuledLines: return RuledLine(dotRow);
    case BandPattern::Checkerboard: return Checkerboard(dotRow);
    case BandPattern::ColourPatches: return BlackPatch();
    case BandPattern::ColourRamps: return SteppedBars();
    }
    return {};
}

} // namespace

Bytes RenderPlane(BandPattern pattern, int bandRow, std::size_t plane)
{
    if (plane < kComponent1Planes)
        return TrimTrailingZeros(Component1Row(pattern, bandRow * 2 + static_cast<int>(plane)));
    const unsigned colour = static_cast<unsigned>(plane - kComponent1Planes) / 2;
    const unsigned bit = static_cast<unsigned>(plane - kComponent1Planes) % 2;
    switch (pattern) {
    case BandPattern::ColourPatches: return TrimTrailingZeros(ColourPatches(colour, bit));
    case BandPattern::ColourRamps: return TrimTrailingZeros(ColourRamp(bandRow, colour, bit));
    default: return {};
    }
}

} // namespace qz_jobs
