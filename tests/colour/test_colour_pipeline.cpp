// The pipeline's planes for pages of known content: inks per kind of content, dots exactly where
// a black square is, blank groups for white, sizes that do not fill a byte or a group.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "print_quality.h"

namespace {

enum Plane { kBlackA, kBlackB, kCyanLow, kCyanHigh, kMagentaLow, kMagentaHigh, kYellowLow, kYellowHigh };

using Rows = std::vector<std::vector<uint8_t>>;

Rows Uniform(unsigned width, unsigned height, std::vector<uint8_t> pixel)
{
    Rows rows(height);
    for (auto& row : rows)
        for (unsigned x = 0; x < width; ++x)
            row.insert(row.end(), pixel.begin(), pixel.end());
    return rows;
}

std::vector<GroupPlanes> Print(ColourPipeline& pipeline, unsigned width, const Rows& rows)
{
    return PrintPage(pipeline, width, static_cast<unsigned>(rows.size()), [&](unsigned y) { return rows[y].data(); }).groups;
}

bool Dot(const std::vector<uint8_t>& plane, unsigned x)
{
    return plane[x / 8] >> (7 - x % 8) & 1;
}

size_t DotsIn(const std::vector<GroupPlanes>& groups, std::initializer_list<Plane> planes)
{
    size_t dots = 0;
    for (const GroupPlanes& group : groups)
        for (Plane plane : planes)
            for (uint8_t byte : group[plane])
                dots += __builtin_popcount(byte);
    return dots;
}

TEST(ColourPipeline, NeutralsAndBlackTextTakeBlackInkAlone)
{
    // Every grey level side by side, over enough rows for every dither phase, as sRGB and as grey.
    Rows srgb(8), grey(8);
    for (unsigned y = 0; y < 8; ++y)
        for (unsigned level = 0; level < 256; ++level) {
            srgb[y].insert(srgb[y].end(), 3, static_cast<uint8_t>(level));
            grey[y].push_back(static_cast<uint8_t>(level));
        }
    size_t blackDots[2] = {0, 0};
    for (PixelFormat format : {PixelFormat::Srgb8, PixelFormat::Grey8}) {
        SCOPED_TRACE(format == PixelFormat::Srgb8 ? "sRGB" : "grey");
        ColourPipeline pipeline(256, format, ColourMode::Colour);
        const auto groups = Print(pipeline, 256, format == PixelFormat::Srgb8 ? srgb : grey);
        EXPECT_EQ(0u, DotsIn(groups, {kCyanLow, kCyanHigh, kMagentaLow, kMagentaHigh, kYellowLow, kYellowHigh}));
        blackDots[format == PixelFormat::Grey8] = DotsIn(groups, {kBlackA, kBlackB});
        for (const GroupPlanes& group : groups) {
            EXPECT_TRUE(Dot(group[kBlackA], 0) && Dot(group[kBlackB], 0)) << "solid black at level 0";
            EXPECT_FALSE(Dot(group[kBlackA], 255) || Dot(group[kBlackB], 255)) << "paper at level 255";
        }
    }
    EXPECT_NEAR(1.0, double(blackDots[0]) / blackDots[1], 0.02) << "sRGB greys print as dark as the same greys given as grey";
}

TEST(ColourPipeline, ProcessColoursTakeTheirOwnInkSolid)
{
    struct Case { const char* label; std::vector<uint8_t> pixel; Plane low; };
    const std::vector<Case> cases = {
        {"cyan", {0, 255, 255}, kCyanLow},
        {"magenta", {255, 0, 255}, kMagentaLow},
        {"yellow", {255, 255, 0}, kYellowLow},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        ColourPipeline pipeline(32, PixelFormat::Srgb8, ColourMode::Colour);
        const auto groups = Print(pipeline, 32, Uniform(32, 4, c.pixel));
        const size_t dots = DotsIn(groups, {kBlackA, kBlackB, kCyanLow, kCyanHigh, kMagentaLow, kMagentaHigh, kYellowLow, kYellowHigh});
        EXPECT_EQ(2u * 16 * 2, DotsIn(groups, {c.low, Plane(c.low + 1)})) << "level 3 on every 300-dpi dot";
        EXPECT_EQ(2u * 16 * 2, dots) << "no other ink";
    }
}

TEST(ColourPipeline, WhiteGivesBlankGroupsAfterAnyContent)
{
    ColourPipeline pipeline(40, PixelFormat::Srgb8, ColourMode::Colour);
    Rows rows = Uniform(40, 4, {40, 90, 160});
    const Rows white = Uniform(40, 4, {255, 255, 255});
    rows.insert(rows.end(), white.begin(), white.end());
    pipeline.StartPage();
    for (unsigned y = 0; y < rows.size(); ++y) {
        if (!pipeline.PutRow(rows[y].data()))
            continue;
        EXPECT_EQ(y >= 4, pipeline.GroupIsBlank()) << "row " << y;
        if (y < 4)
            continue;
        for (size_t plane = 0; plane < kPlanesPerGroup; ++plane)
            for (size_t byte = 0; byte < pipeline.Group()[plane].size; ++byte)
                ASSERT_EQ(0, pipeline.Group()[plane].bytes[byte]) << "plane " << plane;
    }
}

TEST(ColourPipeline, BlackSquareLandsOnExactlyItsDots)
{
    // A square, and a line down the right edge that puts ink in every row, so that white meets
    // every threshold of the matrix in rows that are halftoned.
    constexpr unsigned kWidth = 181, kHeight = 141, kLeft = 13, kTop = 7, kSide = 21;
    auto inked = [](unsigned x, unsigned y) {
        return (y >= kTop && y < kTop + kSide && x >= kLeft && x < kLeft + kSide) || x == kWidth - 1;
    };
    Rows rows = Uniform(kWidth, kHeight, {255, 255, 255});
    for (unsigned y = 0; y < kHeight; ++y)
        for (unsigned x = 0; x < kWidth; ++x)
            if (inked(x, y))
                rows[y][3 * x] = rows[y][3 * x + 1] = rows[y][3 * x + 2] = 0;
    ColourPipeline pipeline(kWidth, PixelFormat::Srgb8, ColourMode::Colour);
    const auto groups = Print(pipeline, kWidth, rows);
    ASSERT_EQ((kHeight + 1) / 2, groups.size());
    for (unsigned y = 0; y < kHeight; ++y)
        for (unsigned x = 0; x < kWidth; ++x)
            ASSERT_EQ(inked(x, y), Dot(groups[y / 2][y % 2], x)) << x << "," << y;
    EXPECT_EQ(0u, DotsIn(groups, {kCyanLow, kCyanHigh, kMagentaLow, kMagentaHigh, kYellowLow, kYellowHigh}));
}

TEST(ColourPipeline, SizesThatFillNoByteOrGroup)
{
    for (unsigned width : {1u, 2u, 7u, 9u, 17u, 33u}) {
        for (unsigned height : {1u, 3u, 4u}) {
            SCOPED_TRACE("width " + std::to_string(width) + " height " + std::to_string(height));
            ColourPipeline pipeline(width, PixelFormat::Srgb8, ColourMode::Colour);
            // Solid black and cyan set every dot there is: bits past the row's end must stay clear.
            const auto black = Print(pipeline, width, Uniform(width, height, {0, 0, 0}));
            const auto cyan = Print(pipeline, width, Uniform(width, height, {0, 255, 255}));
            ASSERT_EQ((height + 1) / 2, black.size());
            EXPECT_EQ(size_t{width} * height, DotsIn(black, {kBlackA, kBlackB})) << "the white row of a half group adds none";
            const unsigned width300 = (width + 1) / 2;
            for (size_t group = 0; group < cyan.size(); ++group) {
                EXPECT_EQ(PlaneBytes(width), black[group][kBlackA].size());
                ASSERT_EQ(PlaneBytes(width300), cyan[group][kCyanHigh].size());
                for (unsigned x = width300; x < 8 * PlaneBytes(width300); ++x)
                    EXPECT_FALSE(Dot(cyan[group][kCyanLow], x) || Dot(cyan[group][kCyanHigh], x)) << "padding at " << x;
                // A dot wholly on the page is solid.
                for (unsigned x = 0; x < width / 2 && 2 * group + 1 < height; ++x)
                    EXPECT_TRUE(Dot(cyan[group][kCyanLow], x) && Dot(cyan[group][kCyanHigh], x)) << "dot " << x;
            }
        }
    }
}

TEST(ColourPipeline, FlushCompletesOnlyAHalfGroup)
{
    ColourPipeline pipeline(16, PixelFormat::Grey8, ColourMode::Colour);
    const std::vector<uint8_t> black(16, 0);
    EXPECT_FALSE(pipeline.Flush());
    EXPECT_FALSE(pipeline.PutRow(black.data()));
    ASSERT_TRUE(pipeline.Flush());
    EXPECT_EQ(0xFF, pipeline.Group()[kBlackA].bytes[0]);
    EXPECT_EQ(0x00, pipeline.Group()[kBlackB].bytes[0]) << "the added row is white";
    EXPECT_FALSE(pipeline.Flush());
    EXPECT_FALSE(pipeline.PutRow(black.data()));
    pipeline.StartPage();
    EXPECT_FALSE(pipeline.Flush()) << "a new page forgets the half group";
}

TEST(ColourPipeline, GreyscalePrintsColoursInBlackByLightness)
{
    struct Case { const char* label; std::vector<uint8_t> pixel; };
    const std::vector<Case> lighterFirst = {
        {"yellow", {255, 255, 0}}, {"cyan", {0, 255, 255}}, {"red", {255, 0, 0}}, {"blue", {0, 0, 255}}, {"black", {0, 0, 0}},
    };
    size_t previous = 0;
    for (const Case& c : lighterFirst) {
        SCOPED_TRACE(c.label);
        ColourPipeline pipeline(64, PixelFormat::Srgb8, ColourMode::Greyscale);
        const auto groups = Print(pipeline, 64, Uniform(64, 64, c.pixel));
        EXPECT_EQ(0u, DotsIn(groups, {kCyanLow, kCyanHigh, kMagentaLow, kMagentaHigh, kYellowLow, kYellowHigh}));
        const size_t black = DotsIn(groups, {kBlackA, kBlackB});
        EXPECT_GT(black, previous);
        previous = black;
    }
    EXPECT_EQ(64u * 64u, previous);
}

} // namespace
