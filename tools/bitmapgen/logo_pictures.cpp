// The name strips: the logo drawn at the bottom left of the dialogs, and the wide banner.
#include "pictures.h"

#include "glyphs.h"
#include "palette.h"
#include "printer_parts.h"

namespace qz_bitmaps {
namespace {

// A filled rectangle whose corner pixels are left out, so the background rounds it off.
void FillRoundedRect(Canvas& canvas, int left, int top, int width, int height, std::uint8_t colour)
{
    canvas.FillRect(left + 1, top, width - 2, height, colour);
    canvas.FillRect(left, top + 1, width, height - 2, colour);
}

} // namespace

void DrawLogo(Canvas& canvas)
{
    // Badge shaded from light blue at the top to navy at the bottom, "QZ" in white.
    const int badgeWidth = 30;
    const int height = canvas.Height();
    for (int y = 0; y < height; ++y) {
        const bool cornerRow = y == 0 || y == height - 1;  // corner pixels stay background
        const int step = kLogoRampSteps - 1 - y * kLogoRampSteps / height;
        canvas.FillRect(cornerRow ? 1 : 0, y, cornerRow ? badgeWidth - 2 : badgeWidth, 1,
                        static_cast<std::uint8_t>(kLogoRampFirst + step));
    }
    DrawGlyphText(canvas, 4, 1, "QZ", 2, kWhite);

    // A band fading from navy to light blue that runs out into the ink drops.
    const int bandLeft = badgeWidth + 4;
    const int bandRight = 86;
    for (int x = bandLeft; x < bandRight; ++x) {
        const int step = (x - bandLeft) * kLogoRampSteps / (bandRight - bandLeft);
        canvas.FillRect(x, 6, 1, 4, static_cast<std::uint8_t>(kLogoRampFirst + step));
    }
    DrawInkDrops(canvas, 93, 4, 7, {kCyan, kMagenta, kYellow, kBlack});
}

void DrawSpareBanner(Canvas& canvas)
{
    const int width = canvas.Width();
    FillRoundedRect(canvas, 0, 2, width, canvas.Height() - 4, kNavy);
    DrawGlyphText(canvas, 6, 4, "QZ", 2, kWhite);
    canvas.FillRect(32, 10, width - 32 - 80, 2, kWhite);
    const std::uint8_t inks[] = {kCyan, kMagenta, kYellow, kBlack};
    for (int i = 0; i < 4; ++i)
        canvas.Box(width - 76 + i * 18, 6, 16, 10, inks[i], kWhite);
}

} // namespace qz_bitmaps
