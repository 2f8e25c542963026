// The colour pipeline: table separation with white runs skipped a block at a time, colour inks
// summed over each 300-dpi dot in packed fields, the halftoner called only for rows with ink.
#include "colour_pipeline.h"

#include <algorithm>
#include <cstring>

#include "separation_tables.h"
#include "threshold_halftoner.h"

namespace {

// The three colour amounts of a table entry in 10-bit fields, so that the four pixels of a
// 300-dpi dot add up in one word without carrying into each other.
constexpr unsigned kFieldBits = 10;
constexpr uint32_t kFieldMask = (1u << kFieldBits) - 1;

inline uint32_t CellFields(uint32_t entry)
{
    return (entry & 0xFFu) | (entry & 0xFF00u) << 2 | (entry & 0xFF0000u) << 4;
}

// Pixels checked together for paper white or solid black, which are most of a text page: eight,
// 24 bytes of sRGB or 8 of grey.
constexpr unsigned kBlock = 8;

enum class Block { Mixed, White, Black };

Block Solid(const uint8_t* bytes, size_t words)
{
    uint64_t all = ~uint64_t{0}, any = 0;
    for (size_t word = 0; word < words; ++word) {
        uint64_t value;
        std::memcpy(&value, bytes + word * sizeof value, sizeof value);
        all &= value;
        any |= value;
    }
    return all == ~uint64_t{0} ? Block::White : any == 0 ? Block::Black : Block::Mixed;
}

} // namespace

ColourPipeline::ColourPipeline(unsigned width600, PixelFormat format, ColourMode mode)
    : ColourPipeline(width600, format, mode, std::make_unique<ThresholdHalftoner>(BlueNoiseMatrix()))
{
}

ColourPipeline::ColourPipeline(unsigned width600, PixelFormat format, ColourMode mode, std::unique_ptr<Halftoner> halftoner)
    : width600_(width600),
      width300_((width600 + 1) / 2),
      format_(format),
      table_(mode == ColourMode::Colour ? kColourSeparation : kGreyscaleSeparation),
      halftoner_(std::move(halftoner)),
      black_{std::vector<uint16_t>(width600), std::vector<uint16_t>(width600)},
      cellSums_(width300_),
      inkAmounts_(width300_),
      planeBytes_(2 * PlaneBytes(width600) + 6 * PlaneBytes(width300_))
{
    uint8_t* bytes = planeBytes_.data();
    for (size_t plane = 0; plane < kPlanesPerGroup; ++plane) {
        const size_t size = PlaneBytes(plane < 2 ? width600_ : width300_);
        planes_[plane] = bytes;
        group_[plane] = {bytes, size};
        bytes += size;
    }
}

ColourPipeline::~ColourPipeline() = default;

void ColourPipeline::StartPage()
{
    row_ = 0;
    halftoner_->StartPage();
}

bool ColourPipeline::PutRow(const uint8_t* pixels)
{
    const bool firstRow = (row_ & 1) == 0;
    uint16_t* black = black_[row_ & 1].data();
    if (format_ == PixelFormat::Grey8)
        SeparateGrey(pixels, black);
    else
        SeparateColour(pixels, black, firstRow);
    ++row_;
    if (firstRow)
        return false;
    CompleteGroup();
    return true;
}

bool ColourPipeline::Flush()
{
    if ((row_ & 1) == 0)
        return false;
    // White adds nothing to the colour sums and puts no black in the lower row.
    blackInk_[1] = false;
    ++row_;
    CompleteGroup();
    return true;
}

const PlaneRow* ColourPipeline::Group() const
{
    return group_;
}

bool ColourPipeline::GroupIsBlank() const
{
    return blank_;
}

void ColourPipeline::SeparateColour(const uint8_t* pixels, uint16_t* black, bool firstRow)
{
    const NodeOffsets& offsets = SeparationNodeOffsets();
    const uint8_t* phases = NodePhasesOfRow(row_);
    uint32_t* cells = cellSums_.data();
    uint32_t blackSeen = 0, colourSeen = 0;
    // One 300-dpi dot's pair of pixels (or the last, single one of an odd row).
    auto separatePair = [&](unsigned x, unsigned count) {
        uint32_t cell = 0;
        for (unsigned end = x + count; x < end; ++x) {
            const uint8_t* p = pixels + 3 * x;
            const unsigned phase = phases[x & 3];
            const uint32_t entry = table_[offsets.red[phase][p[0]] + offsets.green[phase][p[1]] + offsets.blue[phase][p[2]]];
            black[x] = kBlackAmounts[BlackCodeOf(entry)];
            blackSeen |= entry;
            cell += CellFields(entry);
        }
        colourSeen |= cell;
        uint32_t& sum = cells[(x - 1) / 2];
        sum = firstRow ? cell : sum + cell;
    };
    // White and black are nodes of the table: every pixel of a solid block takes the same entry,
    // whatever its phase.
    auto fillBlock = [&](unsigned x, uint32_t entry) {
        std::fill(black + x, black + x + kBlock, kBlackAmounts[BlackCodeOf(entry)]);
        const uint32_t cell = 2 * CellFields(entry);
        if (firstRow || cell != 0)
            for (uint32_t* sum = cells + x / 2; sum < cells + (x + kBlock) / 2; ++sum)
                *sum = firstRow ? cell : *sum + cell;
        blackSeen |= entry;
        colourSeen |= cell;
    };
    unsigned x = 0;
    for (; x + kBlock <= width600_; x += kBlock) {
        switch (Solid(pixels + 3 * x, 3 * kBlock / sizeof(uint64_t))) {
        case Block::White:
            fillBlock(x, table_[kSeparationNodeCount - 1]);
            break;
        case Block::Black:
            fillBlock(x, table_[0]);
            break;
        case Block::Mixed:
            for (unsigned pair = 0; pair < kBlock; pair += 2)
                separatePair(x + pair, 2);
            break;
        }
    }
    for (; x < width600_; x += 2)
        separatePair(x, std::min(2u, width600_ - x));
    blackInk_[row_ & 1] = (blackSeen >> 24) != 0;
    colourInk_ = (firstRow ? false : colourInk_) || colourSeen != 0;
}

void ColourPipeline::SeparateGrey(const uint8_t* pixels, uint16_t* black)
{
    unsigned seen = 0;
    unsigned x = 0;
    for (; x + kBlock <= width600_; x += kBlock) {
        if (Solid(pixels + x, kBlock / sizeof(uint64_t)) == Block::White) {
            std::fill(black + x, black + x + kBlock, 0);
            continue;
        }
        for (unsigned i = x; i < x + kBlock; ++i)
            seen |= black[i] = kGreyBlack[pixels[i]];
    }
    for (; x < width600_; ++x)
        seen |= black[x] = kGreyBlack[pixels[x]];
    blackInk_[row_ & 1] = seen != 0;
    colourInk_ = false;
}

void ColourPipeline::CompleteGroup()
{
    const unsigned group = row_ / 2 - 1;
    for (unsigned half = 0; half < 2; ++half) {
        if (blackInk_[half])
            halftoner_->Black(black_[half].data(), width600_, 2 * group + half, planes_[half]);
        else
            std::memset(planes_[half], 0, group_[half].size);
    }
    for (unsigned ink = 0; ink < 3; ++ink) {
        uint8_t* low = planes_[2 + 2 * ink];
        uint8_t* high = planes_[3 + 2 * ink];
        if (!colourInk_) {
            std::memset(low, 0, group_[2 + 2 * ink].size);
            std::memset(high, 0, group_[3 + 2 * ink].size);
            continue;
        }
        for (unsigned x = 0; x < width300_; ++x)
            inkAmounts_[x] = static_cast<uint16_t>(cellSums_[x] >> (kFieldBits * ink) & kFieldMask);
        halftoner_->Colour(ink, inkAmounts_.data(), width300_, group, low, high);
    }
    blank_ = !(blackInk_[0] || blackInk_[1] || colourInk_)
        || std::all_of(planeBytes_.begin(), planeBytes_.end(), [](uint8_t byte) { return byte == 0; });
}
