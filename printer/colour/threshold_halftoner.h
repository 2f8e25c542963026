// Halftoning by comparing each amount with a tiled threshold matrix: no state between rows or
// pixels, so rows can be skipped or done in any order, an amount of nothing never makes a dot
// and a full amount always does.
#pragma once
#include <vector>

#include "halftoner.h"

// A square matrix of ranks 0..size*size-1, row by row; size a power of two, at least 8.
struct ThresholdMatrix {
    unsigned size;
    const uint16_t* ranks;
};

// The blue-noise matrix made at build time by make_blue_noise.
ThresholdMatrix BlueNoiseMatrix();

class ThresholdHalftoner final : public Halftoner {
public:
    explicit ThresholdHalftoner(ThresholdMatrix matrix);

    void StartPage() override {}
    void Black(const uint16_t* amounts, unsigned width, unsigned row, uint8_t* plane) override;
    void Colour(unsigned ink, const uint16_t* amounts, unsigned width, unsigned row, uint8_t* low, uint8_t* high) override;

private:
    unsigned size_;
    std::vector<uint16_t> blackThresholds_;  // below kBlackFull: a dot where the amount exceeds it
    std::vector<uint16_t> colourThresholds_; // 0..kCellAmountFull - 1, added to three times the amount
};
