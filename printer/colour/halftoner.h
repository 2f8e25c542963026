// Turns ink amounts into the printer's dots, a row at a time: black at 600 dpi, one level per
// dot; cyan, magenta and yellow at 300 dpi, four levels per dot. Planes are packed bits, the
// leftmost dot in the high bit of the first byte, unused bits of the last byte zero.
#pragma once
#include <stddef.h>
#include <stdint.h>

// A 600-dpi black dot's amount: its coverage, 0..kBlackFull, fine enough to tell steps of a
// fraction of a unit of lightness apart next to solid black, small enough for signed 16-bit
// arithmetic.
constexpr unsigned kBlackFull = 32767;
// A 300-dpi dot's amount of one ink: the sum of the four 600-dpi pixels it covers, 0..255 each.
constexpr unsigned kCellAmountFull = 4 * 255;
constexpr unsigned kColourLevels = 4;

class Halftoner {
public:
    virtual ~Halftoner() = default;
    // A page begins: nothing carries over from the last.
    virtual void StartPage() = 0;
    // Black amounts of one 600-dpi row to its plane; row counts from the top of the page.
    virtual void Black(const uint16_t* amounts, unsigned width, unsigned row, uint8_t* plane) = 0;
    // One ink's (0 cyan, 1 magenta, 2 yellow) amounts 0..kCellAmountFull of one 300-dpi row to
    // levels 0..3, their low and high bits in two planes.
    virtual void Colour(unsigned ink, const uint16_t* amounts, unsigned width, unsigned row, uint8_t* low, uint8_t* high) = 0;
};

inline size_t PlaneBytes(unsigned dots)
{
    return (dots + 7u) / 8u;
}
