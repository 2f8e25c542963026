// Threshold halftoning. The inks read the matrix at offsets a third of its size apart, so their
// dots fall independently of each other, as the ink model assumes.
#include "threshold_halftoner.h"

#include <cstring>

#include "blue_noise_matrix.inc"

namespace {

struct Offset {
    unsigned x, y;
};

// A third of the matrix apart, rounded to whole bytes of dots so that a byte's eight thresholds
// never wrap around the matrix's edge.
Offset InkOffset(unsigned ink, unsigned size)
{
    const unsigned third = size / 3 / 8 * 8, twoThirds = 2 * size / 3 / 8 * 8;
    const Offset offsets[3] = {{0, 0}, {third, twoThirds}, {twoThirds, third}};
    return offsets[ink];
}

// Eight dots' bits, one per byte (the leftmost first), packed into one byte of a plane, the
// leftmost in the high bit: each byte's bit lands in its own place of the product's top byte.
inline uint8_t PackBytes(const uint8_t (&bits)[8])
{
    uint64_t word;
    std::memcpy(&word, bits, sizeof word);
    return static_cast<uint8_t>((word * 0x8040201008040201u) >> 56);
}

// Sixteen-bit signed arithmetic throughout, which the compiler keeps in vector lanes: amounts
// and thresholds stay below 32768. Dots past count (the row's end) stay clear.
inline void BlackBits(const uint16_t* amounts, const uint16_t* thresholds, unsigned count, uint8_t (&bits)[8])
{
    for (unsigned i = 0; i < 8; ++i)
        bits[i] = i < count && int16_t(amounts[i]) > int16_t(thresholds[i]);
}

// Three times the amount plus a threshold below one level's worth: the level rounds up exactly
// as often as the amount's fraction of a level.
inline void LevelBits(const uint16_t* amounts, const uint16_t* thresholds, unsigned count, uint8_t (&low)[8], uint8_t (&high)[8])
{
    for (unsigned i = 0; i < 8; ++i) {
        const int16_t v = static_cast<int16_t>(i < count ? 3 * amounts[i] + thresholds[i] : 0);
        const bool one = v >= int16_t(kCellAmountFull), two = v >= int16_t(2 * kCellAmountFull), three = v >= int16_t(3 * kCellAmountFull);
        low[i] = one ^ two ^ three;
        high[i] = two;
    }
}

} // namespace

ThresholdMatrix BlueNoiseMatrix()
{
    return {kBlueNoiseSize, kBlueNoiseRanks};
}

ThresholdHalftoner::ThresholdHalftoner(ThresholdMatrix matrix)
    : size_(matrix.size), blackThresholds_(matrix.size * matrix.size), colourThresholds_(matrix.size * matrix.size)
{
    const unsigned cells = size_ * size_;
    for (unsigned cell = 0; cell < cells; ++cell) {
        blackThresholds_[cell] = static_cast<uint16_t>(matrix.ranks[cell] * kBlackFull / cells);
        colourThresholds_[cell] = static_cast<uint16_t>(matrix.ranks[cell] * kCellAmountFull / cells);
    }
}

void ThresholdHalftoner::Black(const uint16_t* amounts, unsigned width, unsigned row, uint8_t* plane)
{
    const unsigned mask = size_ - 1;
    const uint16_t* thresholds = &blackThresholds_[(row & mask) * size_];
    uint8_t bits[8];
    unsigned x = 0;
    for (; x + 8 <= width; x += 8) {
        BlackBits(amounts + x, thresholds + (x & mask), 8, bits);
        *plane++ = PackBytes(bits);
    }
    if (x < width) {
        BlackBits(amounts + x, thresholds + (x & mask), width - x, bits);
        *plane = PackBytes(bits);
    }
}

void ThresholdHalftoner::Colour(unsigned ink, const uint16_t* amounts, unsigned width, unsigned row, uint8_t* low, uint8_t* high)
{
    const unsigned mask = size_ - 1;
    const Offset offset = InkOffset(ink, size_);
    const uint16_t* thresholds = &colourThresholds_[((row + offset.y) & mask) * size_];
    uint8_t lowBits[8], highBits[8];
    unsigned x = 0;
    for (; x + 8 <= width; x += 8) {
        LevelBits(amounts + x, thresholds + ((x + offset.x) & mask), 8, lowBits, highBits);
        *low++ = PackBytes(lowBits);
        *high++ = PackBytes(highBits);
    }
    if (x < width) {
        LevelBits(amounts + x, thresholds + ((x + offset.x) & mask), width - x, lowBits, highBits);
        *low = PackBytes(lowBits);
        *high = PackBytes(highBits);
    }
}
