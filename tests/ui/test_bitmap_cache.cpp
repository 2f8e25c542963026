// The converted-bitmap cache: one conversion per bitmap and face colour, made again (the old
// one deleted) when the face changes, and nothing kept for a bitmap the library lacks.
#include <gtest/gtest.h>

#include <algorithm>

#include "canvas.h"
#include "harness/built_modules.h"
#include "harness/gdi_count.h"
#include "platform/module_instance.h"
#include "resources/dialog_ids.h"
#include "ui/bitmap_cache.h"
#include "ui/bitmap_drawing.h"

TEST(BitmapCache, OneConversionPerFaceColour)
{
    LibraryResources resources;
    Canvas reference(4, 4, RGB(0, 0, 0));
    HBITMAP stored = ::LoadBitmapA(ModuleInstance, MAKEINTRESOURCEA(IDB_LOGO));
    ASSERT_NE(stored, nullptr);
    const std::vector<COLORREF> storedPixels = ReadBitmap(stored);
    ::DeleteObject(stored);
    const auto key = std::find(storedPixels.begin(), storedPixels.end(), kKeyColour);
    ASSERT_NE(key, storedPixels.end()) << "the logo has no pixel of the key colour";
    const size_t keyAt = static_cast<size_t>(key - storedPixels.begin());

    const COLORREF faces[] = {RGB(10, 200, 30), RGB(200, 10, 30)};
    HBITMAP first = ConvertedBitmap(IDB_LOGO, reference.dc(), faces[0]);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(ReadBitmap(first)[keyAt], faces[0]);
    const int kept = CountGdiObjects();
    EXPECT_EQ(ConvertedBitmap(IDB_LOGO, reference.dc(), faces[0]), first) << "converted again for the same face";

    HBITMAP second = ConvertedBitmap(IDB_LOGO, reference.dc(), faces[1]);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(ReadBitmap(second)[keyAt], faces[1]);
    EXPECT_EQ(CountGdiObjects(), kept) << "the conversion for the old face is still there";

    EXPECT_EQ(ConvertedBitmap(IDB_HARDWARE_DEFAULT, reference.dc(), faces[0]), nullptr); // not stored
    EXPECT_EQ(CountGdiObjects(), kept);
}
