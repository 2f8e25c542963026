// The bitmaps in the built library: exactly the listed ids, each with the size, depth and colour
// table the dialogs expect, loadable by the platform; the deliberately missing ids are missing.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <set>
#include <string>
#include "expected_bitmaps.h"
#include "library_resources.h"

namespace template_test {
namespace {

using expected_bitmaps::ExpectedBitmap;

class BitmapResources : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(nullptr, Library()) << "LoadLibrary failed, error " << GetLastError();
    }
};

TEST_F(BitmapResources, LibraryHoldsExactlyTheListedBitmaps)
{
    std::set<std::uint16_t> expected;
    for (const ExpectedBitmap& bitmap : expected_bitmaps::kLibraryBitmaps)
        expected.insert(bitmap.id);
    EXPECT_EQ(expected, ResourceIds(RT_BITMAP));
}

TEST_F(BitmapResources, InfoHeaderGivesSizeDepthAndColourTable)
{
    for (const ExpectedBitmap& expected : expected_bitmaps::kLibraryBitmaps) {
        SCOPED_TRACE("bitmap " + std::to_string(expected.id));
        const auto [data, size] = ResourceBytes(expected.id, RT_BITMAP);
        ASSERT_NE(nullptr, data);
        ASSERT_GE(size, sizeof(BITMAPINFOHEADER));
        BITMAPINFOHEADER header;
        std::memcpy(&header, data, sizeof header);
        EXPECT_EQ(sizeof(BITMAPINFOHEADER), header.biSize);
        EXPECT_EQ(expected.width, header.biWidth);
        EXPECT_EQ(expected.height, header.biHeight);
        EXPECT_EQ(1, header.biPlanes);
        EXPECT_EQ(expected.bitsPerPixel, header.biBitCount);
        EXPECT_EQ(static_cast<DWORD>(BI_RGB), header.biCompression);
        EXPECT_EQ(expected.colours, header.biClrUsed);
        const std::size_t stride = (expected.width * expected.bitsPerPixel + 31) / 32 * 4;
        EXPECT_EQ(sizeof header + 4 * expected.colours + stride * expected.height, size);
        // The key colour, dark red, is entry 1 of the colour table.
        const RGBQUAD* table = reinterpret_cast<const RGBQUAD*>(data + sizeof header);
        EXPECT_EQ(128, table[1].rgbRed);
        EXPECT_EQ(0, table[1].rgbGreen);
        EXPECT_EQ(0, table[1].rgbBlue);
    }
}

TEST_F(BitmapResources, PlatformLoadsEveryBitmapAtItsSize)
{
    for (const ExpectedBitmap& expected : expected_bitmaps::kLibraryBitmaps) {
        SCOPED_TRACE("bitmap " + std::to_string(expected.id));
        HBITMAP bitmap = LoadBitmapA(Library(), MAKEINTRESOURCEA(expected.id));
        ASSERT_NE(nullptr, bitmap) << "LoadBitmap failed, error " << GetLastError();
        BITMAP info = {};
        EXPECT_EQ(static_cast<int>(sizeof info), GetObjectA(bitmap, sizeof info, &info));
        EXPECT_EQ(expected.width, info.bmWidth);
        EXPECT_EQ(expected.height, info.bmHeight);
        DeleteObject(bitmap);
    }
}

TEST_F(BitmapResources, DeliberatelyMissingBitmapsAreAbsent)
{
    for (std::uint16_t id : expected_bitmaps::kAbsentBitmaps) {
        SCOPED_TRACE("bitmap " + std::to_string(id));
        EXPECT_EQ(nullptr, FindResourceA(Library(), MAKEINTRESOURCEA(id), RT_BITMAP));
        EXPECT_EQ(nullptr, LoadBitmapA(Library(), MAKEINTRESOURCEA(id)));
    }
}

} // namespace
} // namespace template_test
