// The letters A-I (calibration pairs), Q and Z (logo), drawn as rows of '#'.
#include "glyphs.h"

#include <array>
#include <stdexcept>
#include <string>

namespace qz_bitmaps {
namespace {

struct Glyph {
    char letter;
    std::array<const char*, kGlyphHeight> rows;
};

constexpr Glyph kAlphabet[] = {
    {'A', {" ### ", "#   #", "#   #", "#####", "#   #", "#   #", "#   #"}},
    {'B', {"#### ", "#   #", "#   #", "#### ", "#   #", "#   #", "#### "}},
    {'C', {" ### ", "#   #", "#    ", "#    ", "#    ", "#   #", " ### "}},
    {'D', {"#### ", "#   #", "#   #", "#   #", "#   #", "#   #", "#### "}},
    {'E', {"#####", "#    ", "#    ", "#### ", "#    ", "#    ", "#####"}},
    {'F', {"#####", "#    ", "#    ", "#### ", "#    ", "#    ", "#    "}},
    {'G', {" ### ", "#   #", "#    ", "# ###", "#   #", "#   #", " ####"}},
    {'H', {"#   #", "#   #", "#   #", "#####", "#   #", "#   #", "#   #"}},
    {'I', {" ### ", "  #  ", "  #  ", "  #  ", "  #  ", "  #  ", " ### "}},
    {'Q', {" ### ", "#   #", "#   #", "#   #", "# # #", "#  # ", " ## #"}},
    {'Z', {"#####", "    #", "   # ", "  #  ", " #   ", "#    ", "#####"}},
};

const Glyph& FindGlyph(char letter)
{
    for (const Glyph& glyph : kAlphabet)
        if (glyph.letter == letter)
            return glyph;
    throw std::invalid_argument(std::string("no glyph for '") + letter + "'");
}

} // namespace

int GlyphTextWidth(std::string_view text, int scale)
{
    if (text.empty())
        return 0;
    return static_cast<int>(text.size()) * (kGlyphWidth + 1) * scale - scale;
}

void DrawGlyphText(Canvas& canvas, int left, int top, std::string_view text, int scale,
                   std::uint8_t colour)
{
    int x = left;
    for (char letter : text) {
        const Glyph& glyph = FindGlyph(letter);
        for (int row = 0; row < kGlyphHeight; ++row)
            for (int column = 0; column < kGlyphWidth; ++column)
                if (glyph.rows[row][column] == '#')
                    canvas.FillRect(x + column * scale, top + row * scale, scale, scale, colour);
        x += (kGlyphWidth + 1) * scale;
    }
}

} // namespace qz_bitmaps
