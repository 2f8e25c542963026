// Drawing of the parts shared by several pictures, from the primitives of the canvas.
#include "printer_parts.h"

#include "palette.h"

namespace qz_bitmaps {

void DrawCartridge(Canvas& canvas, int left, int top, int width, int height, Ink ink)
{
    const int gripHeight = height / 6;
    const int plateHeight = height / 8;
    // Grip: a narrower dark block on top of the body.
    canvas.Box(left + width / 6, top, width - width / 3, gripHeight + 1, kGrey, kBlack);
    // Body.
    const int bodyTop = top + gripHeight;
    const int bodyHeight = height - gripHeight - plateHeight;
    canvas.Box(left, bodyTop, width, bodyHeight, kSilver, kBlack);
    // Label with the ink colours.
    const int labelLeft = left + 4;
    const int labelTop = bodyTop + bodyHeight / 4;
    const int labelWidth = width - 8;
    const int labelHeight = bodyHeight / 3;
    canvas.Box(labelLeft, labelTop, labelWidth, labelHeight, kWhite, kBlack);
    if (ink == Ink::kBlack) {
        canvas.FillRect(labelLeft + 3, labelTop + 3, labelWidth - 6, labelHeight - 6, kBlack);
    } else {
        const int chamber = (labelWidth - 6) / 3;
        const std::uint8_t chambers[] = {kCyan, kMagenta, kYellow};
        for (int i = 0; i < 3; ++i)
            canvas.FillRect(labelLeft + 3 + i * chamber, labelTop + 3, chamber - 1, labelHeight - 6,
                            chambers[i]);
    }
    // Copper contacts on the right side of the body.
    for (int row = 0; row < 3; ++row)
        canvas.FillRect(left + width - 7, labelTop + labelHeight + 4 + row * 5, 4, 3, kOlive);
    // Nozzle plate: narrower than the body, with a row of nozzles.
    const int plateLeft = left + width / 4;
    const int plateWidth = width - width / 2;
    canvas.Box(plateLeft, top + height - plateHeight - 1, plateWidth, plateHeight + 1, kGrey, kBlack);
    for (int x = plateLeft + 2; x < plateLeft + plateWidth - 2; x += 3)
        canvas.Plot(x, top + height - plateHeight / 2 - 1, kBlack);
}

void DrawSheet(Canvas& canvas, int left, int top, int width, int height)
{
    const int fold = width / 6;
    const int right = left + width - 1;
    const int bottom = top + height - 1;
    canvas.FillRect(left, top + fold, width, height - fold, kWhite);
    canvas.FillRect(left, top, width - fold, fold, kWhite);
    canvas.FillTriangle(right - fold, top, right - fold, top + fold, right + 1, top + fold, kWhite);
    // Outline, with the diagonal of the fold and the folded flap.
    canvas.Line(left, top, right - fold, top, kBlack);
    canvas.Line(right - fold, top, right, top + fold, kBlack);
    canvas.Line(right, top + fold, right, bottom, kBlack);
    canvas.Line(left, bottom, right, bottom, kBlack);
    canvas.Line(left, top, left, bottom, kBlack);
    canvas.Line(right - fold, top, right - fold, top + fold, kGrey);
    canvas.Line(right - fold, top + fold, right, top + fold, kGrey);
}

void DrawTextRows(Canvas& canvas, int left, int top, int width, int rows, bool streaked)
{
    for (int row = 0; row < rows; ++row) {
        const int length = row % 3 == 2 ? width * 2 / 3 : width;
        const int y = top + row * 4;
        canvas.FillRect(left, y, length, 2, kGrey);
        if (streaked && row % 2 == 1)
            canvas.FillRect(left, y, length, 1, kWhite);
    }
    if (streaked) {
        // A clogged nozzle leaves the same gap down every row.
        canvas.FillRect(left + width / 3, top, 2, rows * 4, kWhite);
    }
}

void DrawColourSquares(Canvas& canvas, int left, int top, int size, int gap,
                       std::initializer_list<std::uint8_t> colours, bool streaked)
{
    int x = left;
    for (std::uint8_t colour : colours) {
        canvas.FillRect(x, top, size, size, colour);
        if (streaked)
            for (int y = top + 2; y < top + size; y += 4)
                canvas.FillRect(x, y, size, 1, kWhite);
        x += size + gap;
    }
}

void DrawDashedLine(Canvas& canvas, int left, int top, int width, std::uint8_t colour)
{
    for (int x = left; x < left + width; x += 5)
        canvas.FillRect(x, top, x + 3 <= left + width ? 3 : left + width - x, 1, colour);
}

void DrawInkDrops(Canvas& canvas, int left, int top, int spacing,
                  std::initializer_list<std::uint8_t> colours)
{
    int x = left;
    for (std::uint8_t colour : colours) {
        // A drop: a round bottom with a pointed top.
        canvas.FillEllipse(x, top + 5, 3, 3, colour);
        canvas.FillTriangle(x - 2, top + 4, x + 3, top + 4, x, top - 1, colour);
        x += spacing;
    }
}

void DrawDownArrow(Canvas& canvas, int centreX, int tipY, int length, std::uint8_t colour)
{
    const int head = 7;
    canvas.FillRect(centreX - 2, tipY - length, 5, length - head + 1, colour);
    canvas.FillTriangle(centreX - 6, tipY - head, centreX + 7, tipY - head, centreX, tipY + 1, colour);
}

} // namespace qz_bitmaps
