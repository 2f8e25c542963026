// The files under resources/bitmaps are exactly what the drawings make today, have the sizes and
// depths the dialogs expect, and use the key colour only for the background around the drawing.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>
#include "bitmap_catalogue.h"
#include "expected_bitmaps.h"

namespace {

using qz_bitmaps::Bytes;

using expected_bitmaps::ExpectedBitmap;
const auto& kExpected = expected_bitmaps::kLibraryBitmaps;

constexpr std::uint8_t kKeyRed = 128;

Bytes ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::uint32_t Read32(const Bytes& bytes, std::size_t offset)
{
    return bytes.at(offset) | bytes.at(offset + 1) << 8 | bytes.at(offset + 2) << 16 |
           static_cast<std::uint32_t>(bytes.at(offset + 3)) << 24;
}

std::uint16_t Read16(const Bytes& bytes, std::size_t offset)
{
    return static_cast<std::uint16_t>(bytes.at(offset) | bytes.at(offset + 1) << 8);
}

// A bitmap file read back on its own terms: header fields, colour table and pixel indices.
struct DecodedBitmap {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    std::uint32_t colours = 0;
    std::vector<std::uint8_t> indices;  // row by row from the top
    std::vector<std::uint32_t> table;   // 0x00RRGGBB

    std::uint8_t At(int x, int y) const { return indices[static_cast<std::size_t>(y) * width + x]; }
    bool IsKey(int x, int y) const { return table.at(At(x, y)) == std::uint32_t{kKeyRed} << 16; }
};

DecodedBitmap Decode(const Bytes& file)
{
    DecodedBitmap bitmap;
    EXPECT_EQ('B', file.at(0));
    EXPECT_EQ('M', file.at(1));
    EXPECT_EQ(file.size(), Read32(file, 2));
    EXPECT_EQ(40u, Read32(file, 14));
    bitmap.width = static_cast<int>(Read32(file, 18));
    bitmap.height = static_cast<int>(Read32(file, 22));
    EXPECT_EQ(1, Read16(file, 26));
    bitmap.bitsPerPixel = Read16(file, 28);
    EXPECT_EQ(0u, Read32(file, 30)) << "compressed";
    bitmap.colours = Read32(file, 46);
    const std::size_t stride = (bitmap.width * bitmap.bitsPerPixel + 31) / 32 * 4;
    EXPECT_EQ(stride * bitmap.height, Read32(file, 34));
    const std::size_t bitsOffset = 14 + 40 + 4 * bitmap.colours;
    EXPECT_EQ(bitsOffset, Read32(file, 10));
    for (std::uint32_t i = 0; i < bitmap.colours; ++i)
        bitmap.table.push_back(file.at(54 + 4 * i + 2) << 16 | file.at(54 + 4 * i + 1) << 8 |
                               file.at(54 + 4 * i));
    for (int y = 0; y < bitmap.height; ++y) {
        const std::size_t row = bitsOffset + (bitmap.height - 1 - y) * stride;
        for (int x = 0; x < bitmap.width; ++x) {
            const std::uint8_t byte = file.at(row + x * bitmap.bitsPerPixel / 8);
            bitmap.indices.push_back(bitmap.bitsPerPixel == 8 ? byte
                                     : x % 2 == 0            ? byte >> 4
                                                             : byte & 0x0F);
        }
    }
    return bitmap;
}

const qz_bitmaps::BitmapEntry& CatalogueEntry(std::uint16_t id)
{
    for (const qz_bitmaps::BitmapEntry& entry : qz_bitmaps::kCatalogue)
        if (entry.id == id)
            return entry;
    throw std::out_of_range("bitmap " + std::to_string(id) + " not in the catalogue");
}

DecodedBitmap DecodeCommitted(std::uint16_t id)
{
    return Decode(ReadFile(std::filesystem::path(QZ_BITMAPS_DIR) / CatalogueEntry(id).fileName));
}

// Key pixels that cannot be reached from the edge through other key pixels (4-neighbours).
int EnclosedKeyPixels(const DecodedBitmap& bitmap)
{
    std::vector<bool> reached(bitmap.indices.size(), false);
    std::vector<std::pair<int, int>> pending;
    auto visit = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= bitmap.width || y >= bitmap.height)
            return;
        const std::size_t at = static_cast<std::size_t>(y) * bitmap.width + x;
        if (!reached[at] && bitmap.IsKey(x, y)) {
            reached[at] = true;
            pending.emplace_back(x, y);
        }
    };
    for (int x = 0; x < bitmap.width; ++x) {
        visit(x, 0);
        visit(x, bitmap.height - 1);
    }
    for (int y = 0; y < bitmap.height; ++y) {
        visit(0, y);
        visit(bitmap.width - 1, y);
    }
    while (!pending.empty()) {
        const auto [x, y] = pending.back();
        pending.pop_back();
        visit(x + 1, y);
        visit(x - 1, y);
        visit(x, y + 1);
        visit(x, y - 1);
    }
    int enclosed = 0;
    for (int y = 0; y < bitmap.height; ++y)
        for (int x = 0; x < bitmap.width; ++x)
            enclosed += bitmap.IsKey(x, y) && !reached[static_cast<std::size_t>(y) * bitmap.width + x];
    return enclosed;
}

TEST(CommittedBitmaps, EveryFileEqualsItsRegeneratedBytes)
{
    for (const qz_bitmaps::BitmapEntry& entry : qz_bitmaps::kCatalogue) {
        SCOPED_TRACE(std::string(entry.fileName));
        const Bytes generated = qz_bitmaps::BuildBitmapFile(entry);
        const Bytes committed = ReadFile(std::filesystem::path(QZ_BITMAPS_DIR) / entry.fileName);
        ASSERT_EQ(generated.size(), committed.size());
        const auto difference = std::mismatch(generated.begin(), generated.end(), committed.begin());
        EXPECT_TRUE(difference.first == generated.end())
            << "first difference at offset " << (difference.first - generated.begin());
    }
}

TEST(CommittedBitmaps, DirectoryHoldsOnlyCatalogueFiles)
{
    std::set<std::string> expected;
    for (const qz_bitmaps::BitmapEntry& entry : qz_bitmaps::kCatalogue)
        expected.emplace(entry.fileName);
    std::set<std::string> found;
    for (const auto& file : std::filesystem::directory_iterator(QZ_BITMAPS_DIR))
        if (file.path().filename().string().front() != '.')
            found.insert(file.path().filename().string());
    EXPECT_EQ(expected, found);
}

TEST(CommittedBitmaps, CatalogueHoldsExactlyTheLibraryBitmaps)
{
    std::set<std::uint16_t> catalogued;
    for (const qz_bitmaps::BitmapEntry& entry : qz_bitmaps::kCatalogue)
        catalogued.insert(entry.id);
    std::set<std::uint16_t> expected;
    for (const ExpectedBitmap& bitmap : kExpected)
        expected.insert(bitmap.id);
    EXPECT_EQ(expected, catalogued);
    for (std::uint16_t absent : expected_bitmaps::kAbsentBitmaps)
        EXPECT_EQ(0u, catalogued.count(absent)) << absent;
}

TEST(CommittedBitmaps, HeadersGiveSizeDepthAndColourTable)
{
    for (const ExpectedBitmap& expected : kExpected) {
        SCOPED_TRACE("bitmap " + std::to_string(expected.id));
        const DecodedBitmap bitmap = DecodeCommitted(expected.id);
        EXPECT_EQ(expected.width, bitmap.width);
        EXPECT_EQ(expected.height, bitmap.height);
        EXPECT_EQ(expected.bitsPerPixel, bitmap.bitsPerPixel);
        EXPECT_EQ(expected.colours, bitmap.colours);
        // The standard 16 colours come first, dark red at index 1 as the key.
        const std::uint32_t standard[16] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                                            0x008080, 0xC0C0C0, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00,
                                            0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
        ASSERT_GE(bitmap.table.size(), 16u);
        EXPECT_TRUE(std::equal(std::begin(standard), std::end(standard), bitmap.table.begin()));
    }
}

TEST(CommittedBitmaps, PixelsReadBackAsDrawn)
{
    for (const qz_bitmaps::BitmapEntry& entry : qz_bitmaps::kCatalogue) {
        SCOPED_TRACE(std::string(entry.fileName));
        const qz_bitmaps::Canvas drawn = qz_bitmaps::DrawEntry(entry);
        const DecodedBitmap bitmap = DecodeCommitted(entry.id);
        int differences = 0;
        for (int y = 0; y < drawn.Height(); ++y)
            for (int x = 0; x < drawn.Width(); ++x)
                differences += drawn.At(x, y) != bitmap.At(x, y);
        EXPECT_EQ(0, differences);
    }
}

TEST(CommittedBitmaps, KeyColourOnlySurroundsTheDrawing)
{
    for (const ExpectedBitmap& expected : kExpected) {
        SCOPED_TRACE("bitmap " + std::to_string(expected.id));
        const DecodedBitmap bitmap = DecodeCommitted(expected.id);
        const int right = bitmap.width - 1;
        const int bottom = bitmap.height - 1;
        EXPECT_TRUE(bitmap.IsKey(0, 0) && bitmap.IsKey(right, 0) && bitmap.IsKey(0, bottom) &&
                    bitmap.IsKey(right, bottom));
        EXPECT_EQ(0, EnclosedKeyPixels(bitmap));
        // A real drawing: a good part of the area, in several colours.
        std::set<std::uint8_t> colours;
        int drawnPixels = 0;
        for (int y = 0; y <= bottom; ++y)
            for (int x = 0; x <= right; ++x)
                if (!bitmap.IsKey(x, y)) {
                    ++drawnPixels;
                    colours.insert(bitmap.At(x, y));
                }
        EXPECT_GT(drawnPixels * 4, bitmap.width * bitmap.height) << "less than a quarter drawn";
        EXPECT_GE(colours.size(), 4u);
    }
}

} // namespace
