// The drawing operations behind the owner-drawn items, on a memory canvas: key-colour
// replacement, natural-size and fitted copies, the etched line, and the items of the base
// handler drawn with the library's own bitmaps.
#include <gtest/gtest.h>

#include <memory>

#include "canvas.h"
#include "resources/dialog_ids.h"
#include "ui/bitmap_drawing.h"
#include "ui/service_dialog.h"
#include "ui_test_support.h"

namespace {

constexpr COLORREF kCanvasColour = RGB(1, 2, 3); // in none of the bitmaps drawn here
constexpr COLORREF kBitmapColour = RGB(0, 128, 255);
constexpr COLORREF kCustomFace = RGB(10, 200, 30);
const RECT kNoPixels = {0, 0, 0, 0};

bool SameRect(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

::testing::AssertionResult DrawnAt(const Image& canvas, const RECT& expected)
{
    const RECT drawn = canvas.BoundsOfPixelsOtherThan(kCanvasColour);
    if (SameRect(drawn, expected))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "drawn (" << drawn.left << ", " << drawn.top << ") - (" << drawn.right
                                         << ", " << drawn.bottom << "), expected (" << expected.left << ", "
                                         << expected.top << ") - (" << expected.right << ", " << expected.bottom
                                         << ")";
}

struct BitmapDeleter {
    void operator()(HBITMAP bitmap) const { ::DeleteObject(bitmap); }
};
using OwnedBitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, BitmapDeleter>;

OwnedBitmap SolidBitmap(int width, int height)
{
    return OwnedBitmap(MakeBitmap(width, height, std::vector<COLORREF>(static_cast<size_t>(width) * height,
                                                                       kBitmapColour)));
}

} // namespace

// One row of pixels around the key colour: only an exact match is replaced.
class KeyColour : public ::testing::Test {
protected:
    const std::vector<COLORREF> row = {kKeyColour, RGB(129, 0, 0), RGB(128, 0, 1), RGB(0, 0, 128), RGB(255, 255, 255)};
    OwnedBitmap bitmap{MakeBitmap(static_cast<int>(row.size()), 1, row)};
    Canvas reference{4, 4, kCanvasColour};
};

TEST_F(KeyColour, OnlyExactKeyPixelsTakeTheFaceColour)
{
    const COLORREF systemFace = ::GetSysColor(COLOR_BTNFACE);
    ASSERT_NE(systemFace, kKeyColour);
    ReplaceKeyColourWith(bitmap.get(), reference.dc(), systemFace);
    const std::vector<COLORREF> result = ReadBitmap(bitmap.get());
    ASSERT_EQ(result.size(), row.size());
    EXPECT_EQ(result[0], systemFace);
    for (size_t i = 1; i < row.size(); ++i) {
        SCOPED_TRACE(::testing::Message() << "pixel " << i << " colour 0x" << std::hex << row[i]);
        EXPECT_EQ(result[i], row[i]);
    }
}

TEST_F(KeyColour, ChosenFaceReplacesTheKey)
{
    ReplaceKeyColourWith(bitmap.get(), reference.dc(), kCustomFace);
    std::vector<COLORREF> expected = row;
    expected[0] = kCustomFace;
    EXPECT_EQ(ReadBitmap(bitmap.get()), expected);
}

TEST_F(KeyColour, FaceEqualToTheKeyLeavesTheBitmapUnchanged)
{
    ReplaceKeyColourWith(bitmap.get(), reference.dc(), kKeyColour);
    EXPECT_EQ(ReadBitmap(bitmap.get()), row);
}

struct FittedCase {
    const char* label;
    RECT item;
    int width, height;
    RECT expected;
};

TEST(DrawBitmapFitted, CentresOrShrinksByWholePercent)
{
    const FittedCase cases[] = {
        // 36 and 15 pixels of slack: natural size, centred.
        {"156x185 item", {10, 20, 166, 205}, 120, 170, {28, 27, 148, 197}},
        // p = min(9600 / 120, 14600 / 170) = 80: 96x136.
        {"100x150 item", {10, 20, 110, 170}, 120, 170, {12, 27, 108, 163}},
        // 2 pixels of slack are not enough: p = min(11800 / 120, 29600 / 170) = 98: 117x166.
        {"2 px slack across", {0, 0, 122, 300}, 120, 170, {2, 67, 119, 233}},
        {"2 px slack down", {0, 0, 300, 172}, 120, 170, {91, 3, 208, 169}},
        // 3 pixels of slack both ways: natural size, one pixel in.
        {"3 px slack", {5, 5, 128, 178}, 120, 170, {6, 6, 126, 176}},
    };
    for (const FittedCase& c : cases) {
        SCOPED_TRACE(c.label);
        Canvas canvas(320, 320, kCanvasColour);
        OwnedBitmap bitmap = SolidBitmap(c.width, c.height);
        const DRAWITEMSTRUCT item = canvas.Item(IDC_PICTURE, c.item);
        DrawBitmapFitted(bitmap.get(), &item);
        EXPECT_TRUE(DrawnAt(canvas.Pixels(), c.expected));
    }
}

TEST(DrawBitmapAt, NaturalSizeAtTheTopLeftWithoutClipping)
{
    Canvas canvas(64, 64, kCanvasColour);
    OwnedBitmap bitmap = SolidBitmap(30, 20);
    const DRAWITEMSTRUCT item = canvas.Item(IDC_LOGO, RECT{5, 7, 15, 12});
    DrawBitmapAt(bitmap.get(), &item);
    EXPECT_TRUE(DrawnAt(canvas.Pixels(), RECT{5, 7, 35, 27}));
}

TEST(DrawEtchedLine, TwoRowsEndingBeforeTheRightEdge)
{
    const COLORREF first = RGB(200, 0, 0);
    const COLORREF second = RGB(0, 0, 200);
    const RECT area = {3, 4, 40, 12};
    Canvas canvas(48, 16, kCanvasColour);
    const DRAWITEMSTRUCT item = canvas.Item(IDC_SEPARATOR, area);
    DrawEtchedLine(&item, first, second);
    const Image pixels = canvas.Pixels();
    for (int x = area.left; x < area.right; ++x) {
        SCOPED_TRACE(::testing::Message() << "column " << x);
        EXPECT_EQ(pixels.At(x, area.top), first);
        EXPECT_EQ(pixels.At(x, area.top + 1), second);
    }
    EXPECT_EQ(pixels.At(area.right, area.top), kCanvasColour);
    EXPECT_EQ(pixels.At(area.right, area.top + 1), kCanvasColour);
    EXPECT_TRUE(DrawnAt(pixels, RECT{area.left, area.top, area.right, area.top + 2}));
}

// The base handler's items with the library's bitmaps: where each lands and how big it is.
class HandlerItems : public DialogTest {
protected:
    Canvas canvas{400, 400, kCanvasColour};

    Image Paint(CServiceDialog& handler, UINT id, const RECT& area)
    {
        const DRAWITEMSTRUCT item = canvas.Item(id, area);
        EXPECT_EQ(handler.DrawItem(&item), TRUE);
        return canvas.Pixels();
    }
};

TEST_F(HandlerItems, LogoAndPictureStaticsAtNaturalSize)
{
    CServiceDialog handler(0, nullptr, nullptr);
    EXPECT_TRUE(DrawnAt(Paint(handler, IDC_LOGO, RECT{10, 20, 200, 50}), RECT{10, 20, 130, 36}));
    Canvas fresh(400, 400, kCanvasColour);
    const DRAWITEMSTRUCT item = fresh.Item(IDC_CLEAN_START_CARTRIDGE, RECT{4, 6, 100, 100});
    EXPECT_EQ(handler.DrawItem(&item), TRUE);
    EXPECT_TRUE(DrawnAt(fresh.Pixels(), RECT{4, 6, 124, 176}));
}

TEST_F(HandlerItems, PictureCentredInTheFrameArea)
{
    CServiceDialog handler(IDB_ALIGN_HEADS, nullptr, nullptr);
    EXPECT_TRUE(DrawnAt(Paint(handler, IDC_PICTURE, RECT{0, 0, 156, 185}), RECT{18, 7, 138, 177}));
}

TEST_F(HandlerItems, MissingPictureLeavesTheItemBlankButHandled)
{
    for (USHORT pictureId : {USHORT{0}, USHORT{IDB_HARDWARE_DEFAULT}}) {
        SCOPED_TRACE(::testing::Message() << "picture " << pictureId);
        CServiceDialog handler(pictureId, nullptr, nullptr);
        EXPECT_TRUE(DrawnAt(Paint(handler, IDC_PICTURE, RECT{0, 0, 156, 185}), kNoPixels));
    }
}
