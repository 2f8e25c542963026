// Pictures of the alignment and cleaning dialogs: cartridges, nozzles and what they print.
#include "pictures.h"

#include "palette.h"
#include "printer_parts.h"

namespace qz_bitmaps {
namespace {

// Where a printed sheet's contents go: its inner margin and width, and the side of each of the
// four colour squares that fill that width with the given gap between them.
struct SheetLayout {
    int inner;
    int innerWidth;
    int square;
};

// Draws an empty sheet and lays out its inside.
SheetLayout DrawLaidOutSheet(Canvas& canvas, int left, int top, int width, int height, int squareGap)
{
    DrawSheet(canvas, left, top, width, height);
    const int innerWidth = width - 18;
    return {left + 8, innerWidth, (innerWidth - 3 * squareGap) / 4};
}

// Text and colour squares as a clogged head prints them: white lines through everything.
void DrawPoorPrintSheet(Canvas& canvas, int left, int top, int width, int height)
{
    const auto [inner, innerWidth, square] = DrawLaidOutSheet(canvas, left, top, width, height, 5);
    DrawTextRows(canvas, inner, top + 20, innerWidth, 6, true);
    DrawColourSquares(canvas, inner, top + height / 2 - square / 2, square, 5,
                      {kCyan, kMagenta, kYellow, kBlack}, true);
    DrawTextRows(canvas, inner, top + height / 2 + square / 2 + 8, innerWidth,
                 (height / 2 - square / 2 - 16) / 4, true);
}

// The cleaning result page: text above a dashed line, then the text and colour squares that
// show whether every nozzle prints again.
void DrawResultSheet(Canvas& canvas, int left, int top, int width, int height)
{
    const auto [inner, innerWidth, square] = DrawLaidOutSheet(canvas, left, top, width, height, 6);
    DrawTextRows(canvas, inner, top + 14, innerWidth, 3, false);
    const int dashY = top + 28;
    DrawDashedLine(canvas, inner, dashY, innerWidth, kBlack);
    DrawTextRows(canvas, inner, dashY + 6, innerWidth, 2, false);
    DrawColourSquares(canvas, inner, dashY + 16, square, 6, {kCyan, kMagenta, kYellow, kBlack},
                      false);
    DrawTextRows(canvas, inner, dashY + 22 + square, innerWidth,
                 (top + height - 6 - (dashY + 22 + square)) / 4, false);
}

// The colour and the black cartridge side by side, the colour one on the left.
void DrawCartridgePair(Canvas& canvas, int top, int width, int height)
{
    const int gap = 12;
    const int left = (canvas.Width() - 2 * width - gap) / 2;
    DrawCartridge(canvas, left, top, width, height, Ink::kTricolour);
    DrawCartridge(canvas, left + width + gap, top, width, height, Ink::kBlack);
}

// An alignment pattern: per column a black mark and a coloured mark, shifted against each other
// by the column's offset; the middle column is the aligned one.
void DrawAlignmentPatterns(Canvas& canvas, int left, int top)
{
    for (int column = 0; column < 5; ++column) {
        const int x = left + column * 16;
        const int offset = (column - 2) * 2;
        canvas.FillRect(x, top, 2, 8, kBlack);
        canvas.FillRect(x + offset, top + 9, 2, 8, kMagenta);
        canvas.FillRect(x - 3, top + 26, 6, 2, kBlack);
        canvas.FillRect(x + 4, top + 26 + offset, 6, 2, kCyan);
    }
}

} // namespace

void DrawAlignHeads(Canvas& canvas)
{
    DrawCartridgePair(canvas, 6, 42, 70);
    DrawDownArrow(canvas, canvas.Width() / 2, 94, 14, kNavy);
    DrawSheet(canvas, 14, 100, 92, 64);
    DrawAlignmentPatterns(canvas, 28, 120);
}

void DrawSpareCartridge(Canvas& canvas)
{
    DrawCartridge(canvas, 24, 8, 72, 132, Ink::kTricolour);
    DrawInkDrops(canvas, 48, 148, 12, {kCyan, kMagenta, kYellow});
}

void DrawCleanStart(Canvas& canvas)
{
    DrawPoorPrintSheet(canvas, 10, 6, 100, 158);
}

void DrawCleanLevels(Canvas& canvas)
{
    DrawCartridge(canvas, 36, 4, 48, 58, Ink::kTricolour);
    DrawInkDrops(canvas, 50, 66, 10, {kCyan, kMagenta, kYellow});
    DrawResultSheet(canvas, 10, 82, 100, 82);
}

void DrawCleanStartCartridge(Canvas& canvas)
{
    DrawCartridgePair(canvas, 4, 36, 54);
    DrawPoorPrintSheet(canvas, 12, 66, 96, 98);
}

void DrawCleanLevelsCartridge(Canvas& canvas)
{
    DrawCartridgePair(canvas, 4, 36, 54);
    DrawInkDrops(canvas, 28, 62, 8, {kCyan, kMagenta, kYellow});
    DrawInkDrops(canvas, 84, 62, 8, {kBlack});
    DrawResultSheet(canvas, 12, 78, 96, 86);
}

} // namespace qz_bitmaps
