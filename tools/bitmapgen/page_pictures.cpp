// Pictures of printed pages: the alignment result, the self-test page with and without its
// printer, a plain page, and the colour calibration page.
#include "pictures.h"

#include <string>
#include "glyphs.h"
#include "palette.h"
#include "printer_parts.h"

namespace qz_bitmaps {
namespace {

// A square of straight grid lines, black and one colour in turn, as a well aligned head prints it.
void DrawGridSquare(Canvas& canvas, int left, int top, int size, std::uint8_t colour)
{
    for (int offset = 0; offset < size; offset += 6) {
        const std::uint8_t ink = offset % 12 == 0 ? std::uint8_t{kBlack} : colour;
        canvas.FillRect(left + offset, top, 1, size, ink);
        canvas.FillRect(left, top + offset, size, 1, ink);
    }
    canvas.FrameRect(left, top, size, size, kBlack);
}

// A test page: a navy title band, text, the four inks as bars, and the nozzle check steps.
void DrawTestPageSheet(Canvas& canvas, int left, int top, int width, int height)
{
    DrawSheet(canvas, left, top, width, height);
    const int inner = left + 6;
    const int innerWidth = width - 12 - width / 6;
    canvas.FillRect(inner, top + 6, innerWidth, 8, kNavy);
    DrawTextRows(canvas, inner, top + 20, width - 12, 4, false);
    const int barWidth = (width - 12) / 4;
    const std::uint8_t inks[] = {kCyan, kMagenta, kYellow, kBlack};
    const int barTop = top + 40;
    const int barHeight = height / 4;
    for (int i = 0; i < 4; ++i)
        canvas.FillRect(inner + i * barWidth, barTop, barWidth - 2, barHeight, inks[i]);
    // Nozzle check: short diagonal steps in each ink.
    const int stepsTop = barTop + barHeight + 6;
    for (int i = 0; i < 4; ++i)
        for (int step = 0; step < 6; ++step)
            canvas.FillRect(inner + i * barWidth + step * 3, stepsTop + step * 2, 3, 2, inks[i]);
    DrawTextRows(canvas, inner, stepsTop + 18, width - 12, (top + height - 6 - stepsTop - 18) / 4,
                 false);
}

} // namespace

void DrawAlignResult(Canvas& canvas)
{
    DrawSheet(canvas, 8, 6, 104, 158);
    DrawTextRows(canvas, 18, 20, 76, 2, false);
    DrawGridSquare(canvas, 20, 34, 31, kCyan);
    DrawGridSquare(canvas, 66, 34, 31, kMagenta);
    // The cross: two straight diagonals, black over blue.
    canvas.Line(40, 84, 80, 124, kBlue);
    canvas.Line(40, 124, 80, 84, kBlack);
    DrawTextRows(canvas, 18, 136, 84, 5, false);
}

void DrawSelfTest(Canvas& canvas)
{
    // The page leaves through the top slot, so the printer is drawn over its lower end.
    DrawTestPageSheet(canvas, 22, 4, 74, 104);
    const int bodyTop = 98;
    canvas.Box(4, bodyTop, 110, 50, kSilver, kBlack);
    canvas.FillRect(16, bodyTop + 4, 86, 3, kBlack);   // paper slot
    canvas.Box(10, bodyTop + 14, 60, 28, kGrey, kBlack); // cover
    canvas.FillEllipse(96, bodyTop + 30, 3, 3, kGreen);  // power lamp: on
    canvas.Box(84, bodyTop + 27, 6, 6, kWhite, kBlack);  // power button
    canvas.Box(14, bodyTop + 50, 90, 10, kGrey, kBlack); // output tray
}

void DrawSelfTestPage(Canvas& canvas)
{
    DrawTestPageSheet(canvas, 6, 4, 98, 127);
}

void DrawSparePage(Canvas& canvas)
{
    DrawSheet(canvas, 6, 6, 82, 126);
    canvas.FillRect(14, 18, 40, 4, kNavy);
    DrawTextRows(canvas, 14, 30, 64, 24, false);
}

void DrawCalibrate(Canvas& canvas)
{
    DrawSheet(canvas, 8, 6, 104, 158);
    DrawTextRows(canvas, 16, 18, 74, 3, false);
    // Each pair sets grey from black ink beside a grey mixed from the colour inks; the mix
    // drifts a different way in every pair, and pair E matches.
    const std::uint8_t mixed[] = {kOlive, kTeal, kPurple, kDarkGreen, kGrey,
                                  kNavy,  kSilver, kBlue, kMagenta};
    const std::string letters = "ABCDEFGHI";
    for (int pair = 0; pair < 9; ++pair) {
        const int left = 18 + (pair % 3) * 30;
        const int top = 36 + (pair / 3) * 40;
        canvas.FillRect(left, top, 11, 18, kGrey);
        canvas.FillRect(left + 12, top, 11, 18, mixed[pair]);
        DrawGlyphText(canvas, left + 9, top + 22, letters.substr(pair, 1), 1, kBlack);
    }
    DrawTextRows(canvas, 16, 158 - 4 * 3, 80, 3, false);
}

} // namespace qz_bitmaps
