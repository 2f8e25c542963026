// The pieces the bitmaps are made with: the file writer's row layout and refusals, the canvas
// shapes at their edges, and the letters.
#include <gtest/gtest.h>

#include <stdexcept>
#include "bmp_file.h"
#include "canvas.h"
#include "glyphs.h"
#include "palette.h"

namespace {

using qz_bitmaps::Bytes;
using qz_bitmaps::Canvas;

// Canvas rows as text, one digit (hex) per pixel, for readable comparisons.
std::string Picture(const Canvas& canvas)
{
    std::string text;
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x)
            text += "0123456789ABCDEF"[canvas.At(x, y) & 0x0F];
        text += '\n';
    }
    return text;
}

Bytes PixelData(const Bytes& file)
{
    const std::size_t offset = file.at(10) | file.at(11) << 8;
    return Bytes(file.begin() + static_cast<std::ptrdiff_t>(offset), file.end());
}

TEST(BmpFile, FourBitRowsRunBottomUpHighNibbleFirstPaddedToFourBytes)
{
    Canvas canvas(3, 2, 0);
    canvas.Plot(0, 0, 0x1);
    canvas.Plot(1, 0, 0x2);
    canvas.Plot(2, 0, 0x3);
    canvas.Plot(0, 1, 0xD);
    canvas.Plot(1, 1, 0xE);
    canvas.Plot(2, 1, 0xF);
    const Bytes file = qz_bitmaps::EncodeBmp(canvas, qz_bitmaps::StandardPalette(), 4);
    const Bytes expected = {0xDE, 0xF0, 0, 0, 0x12, 0x30, 0, 0};
    EXPECT_EQ(expected, PixelData(file));
    EXPECT_EQ(14u + 40 + 64 + 8, file.size());
}

TEST(BmpFile, EightBitRowsArePaddedToFourBytes)
{
    Canvas canvas(5, 1, 7);
    const Bytes file = qz_bitmaps::EncodeBmp(canvas, qz_bitmaps::StandardPalette(), 8);
    const Bytes expected = {7, 7, 7, 7, 7, 0, 0, 0};
    EXPECT_EQ(expected, PixelData(file));
    EXPECT_EQ(8u, qz_bitmaps::RowStride(5, 8));
    EXPECT_EQ(4u, qz_bitmaps::RowStride(8, 4));
    EXPECT_EQ(8u, qz_bitmaps::RowStride(9, 4));
}

TEST(BmpFile, RefusesWhatItCannotWrite)
{
    const Canvas small(2, 2, 0);
    struct Case {
        const char* label;
        const Canvas& canvas;
        const qz_bitmaps::Palette& palette;
        int bits;
    };
    Canvas outsidePalette(2, 2, 0);
    outsidePalette.Plot(1, 1, 16);
    const qz_bitmaps::Palette& logo = qz_bitmaps::LogoPalette();
    const Case cases[] = {
        {"24 bits", small, qz_bitmaps::StandardPalette(), 24},
        {"32 colours at 4 bits", small, logo, 4},
        {"pixel beyond the table", outsidePalette, qz_bitmaps::StandardPalette(), 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_THROW(qz_bitmaps::EncodeBmp(c.canvas, c.palette, c.bits), std::invalid_argument);
    }
}

TEST(CanvasShapes, ShapesAreClippedAtTheEdges)
{
    Canvas canvas(4, 3, 0);
    canvas.FillRect(-2, 1, 4, 9, 5);
    canvas.Plot(4, 0, 9);
    canvas.Plot(-1, -1, 9);
    EXPECT_EQ("0000\n5500\n5500\n", Picture(canvas));
    EXPECT_THROW(canvas.At(4, 0), std::out_of_range);
}

TEST(CanvasShapes, FrameAndBoxBorderLieInsideTheRectangle)
{
    Canvas canvas(5, 4, 0);
    canvas.Box(0, 0, 5, 4, 3, 1);
    EXPECT_EQ("11111\n13331\n13331\n11111\n", Picture(canvas));
}

TEST(CanvasShapes, LinesIncludeBothEndsInEitherDirection)
{
    Canvas forward(4, 4, 0);
    forward.Line(0, 0, 3, 3, 1);
    Canvas backward(4, 4, 0);
    backward.Line(3, 3, 0, 0, 1);
    EXPECT_EQ("1000\n0100\n0010\n0001\n", Picture(forward));
    EXPECT_EQ(Picture(forward), Picture(backward));

    Canvas shallow(5, 2, 0);
    shallow.Line(0, 0, 4, 1, 2);
    EXPECT_EQ(2, shallow.At(0, 0));
    EXPECT_EQ(2, shallow.At(4, 1));
}

TEST(CanvasShapes, TriangleAndEllipseFillTheirInside)
{
    Canvas triangle(4, 4, 0);
    triangle.FillTriangle(0, 0, 4, 0, 0, 4, 1);
    EXPECT_EQ("1111\n1110\n1100\n1000\n", Picture(triangle));

    Canvas ellipse(5, 5, 0);
    ellipse.FillEllipse(2, 2, 2, 2, 1);
    EXPECT_EQ("00100\n01110\n11111\n01110\n00100\n", Picture(ellipse));
}

TEST(Glyphs, LettersAreDrawnScaledAndSpaced)
{
    EXPECT_EQ(11, qz_bitmaps::GlyphTextWidth("QZ", 1));
    EXPECT_EQ(22, qz_bitmaps::GlyphTextWidth("QZ", 2));
    EXPECT_EQ(0, qz_bitmaps::GlyphTextWidth("", 3));

    Canvas canvas(12, 14, 0);
    qz_bitmaps::DrawGlyphText(canvas, 1, 0, "I", 2, 1);
    // The I's bar is three glyph pixels wide at the top: columns 1..3 scaled, shifted by 1.
    EXPECT_EQ(0, canvas.At(2, 0));
    EXPECT_EQ(1, canvas.At(3, 0));
    EXPECT_EQ(1, canvas.At(8, 1));
    EXPECT_EQ(0, canvas.At(9, 0));
    EXPECT_EQ(1, canvas.At(5, 6));  // the stem
    EXPECT_THROW(qz_bitmaps::DrawGlyphText(canvas, 0, 0, "K", 1, 1), std::invalid_argument);
}

} // namespace
