// The blue-noise matrix and the threshold halftoner: every rank once, dots spread without clumps
// or holes, and over a tile of the matrix exactly as many dots or levels as the amount asks.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "threshold_halftoner.h"

namespace {

unsigned Popcount(const std::vector<uint8_t>& bytes)
{
    unsigned dots = 0;
    for (uint8_t byte : bytes)
        dots += __builtin_popcount(byte);
    return dots;
}

TEST(BlueNoiseMatrix, HoldsEveryRankOnce)
{
    const ThresholdMatrix matrix = BlueNoiseMatrix();
    std::vector<uint16_t> ranks(matrix.ranks, matrix.ranks + matrix.size * matrix.size);
    std::sort(ranks.begin(), ranks.end());
    for (size_t rank = 0; rank < ranks.size(); ++rank)
        ASSERT_EQ(rank, ranks[rank]);
}

TEST(BlueNoiseMatrix, SpreadsHalfTheDotsEvenly)
{
    // At half coverage every 8 x 8 window, wrapping round the tile, holds close to 32 dots.
    const ThresholdMatrix matrix = BlueNoiseMatrix();
    const unsigned n = matrix.size;
    for (unsigned top = 0; top < n; top += 4)
        for (unsigned left = 0; left < n; left += 4) {
            unsigned dots = 0;
            for (unsigned y = 0; y < 8; ++y)
                for (unsigned x = 0; x < 8; ++x)
                    dots += matrix.ranks[(top + y) % n * n + (left + x) % n] < n * n / 2;
            ASSERT_TRUE(dots >= 24 && dots <= 40) << dots << " dots at " << left << "," << top;
        }
}

TEST(ThresholdHalftoner, PrintsTheAmountOverATile)
{
    const ThresholdMatrix matrix = BlueNoiseMatrix();
    ThresholdHalftoner halftoner(matrix);
    const unsigned n = matrix.size, cells = n * n;
    for (unsigned amount : {0u, 1u, 100u, kBlackFull / 2, kBlackFull - 1, kBlackFull}) {
        SCOPED_TRACE("black " + std::to_string(amount));
        const std::vector<uint16_t> amounts(n, static_cast<uint16_t>(amount));
        std::vector<uint8_t> plane(PlaneBytes(n));
        unsigned dots = 0;
        for (unsigned row = 0; row < n; ++row) {
            halftoner.Black(amounts.data(), n, row, plane.data());
            dots += Popcount(plane);
        }
        EXPECT_NEAR(double(amount) / kBlackFull * cells, dots, 1.0);
    }
    for (unsigned ink = 0; ink < 3; ++ink)
        for (unsigned amount : {0u, 1u, 340u, 500u, 1019u, kCellAmountFull}) {
            SCOPED_TRACE("ink " + std::to_string(ink) + " amount " + std::to_string(amount));
            const std::vector<uint16_t> amounts(n, static_cast<uint16_t>(amount));
            std::vector<uint8_t> low(PlaneBytes(n)), high(PlaneBytes(n));
            unsigned levels = 0;
            for (unsigned row = 0; row < n; ++row) {
                halftoner.Colour(ink, amounts.data(), n, row, low.data(), high.data());
                levels += Popcount(low) + 2 * Popcount(high);
            }
            EXPECT_NEAR(3.0 * amount / kCellAmountFull * cells, levels, 1.0);
        }
}

} // namespace
