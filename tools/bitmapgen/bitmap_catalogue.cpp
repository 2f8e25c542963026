// The catalogue of bitmaps, in id order, and the step from a drawing to its file.
#include "bitmap_catalogue.h"

#include "dialog_ids.h"
#include "pictures.h"

namespace qz_bitmaps {

const BitmapEntry kCatalogue[13] = {
    {IDB_ALIGN_HEADS, "align_heads.bmp", 120, 170, 4, StandardPalette, DrawAlignHeads},
    {IDB_SPARE_CARTRIDGE, "spare_cartridge.bmp", 120, 170, 4, StandardPalette, DrawSpareCartridge},
    {IDB_CLEAN_START, "clean_start.bmp", 120, 170, 4, StandardPalette, DrawCleanStart},
    {IDB_CLEAN_LEVELS, "clean_levels.bmp", 120, 170, 4, StandardPalette, DrawCleanLevels},
    {IDB_SELF_TEST, "self_test.bmp", 118, 168, 4, StandardPalette, DrawSelfTest},
    {IDB_SPARE_PAGE, "spare_page.bmp", 94, 138, 4, StandardPalette, DrawSparePage},
    {IDB_ALIGN_RESULT, "align_result.bmp", 120, 170, 4, StandardPalette, DrawAlignResult},
    {IDB_CALIBRATE, "calibrate.bmp", 120, 170, 4, StandardPalette, DrawCalibrate},
    // 8 bits per pixel, but only the 16 standard colours in its table.
    {IDB_SELF_TEST_PAGE, "self_test_page.bmp", 110, 135, 8, StandardPalette, DrawSelfTestPage},
    {IDB_CLEAN_START_CARTRIDGE, "clean_start_cartridge.bmp", 120, 170, 4, StandardPalette,
     DrawCleanStartCartridge},
    {IDB_CLEAN_LEVELS_CARTRIDGE, "clean_levels_cartridge.bmp", 120, 170, 4, StandardPalette,
     DrawCleanLevelsCartridge},
    {IDB_LOGO, "logo.bmp", 120, 16, 8, LogoPalette, DrawLogo},
    {IDB_SPARE_BANNER, "spare_banner.bmp", 229, 22, 4, StandardPalette, DrawSpareBanner},
};

Canvas DrawEntry(const BitmapEntry& entry)
{
    Canvas canvas(entry.width, entry.height, kKey);
    entry.draw(canvas);
    return canvas;
}

Bytes BuildBitmapFile(const BitmapEntry& entry)
{
    return EncodeBmp(DrawEntry(entry), entry.palette(), entry.bitsPerPixel);
}

} // namespace qz_bitmaps
