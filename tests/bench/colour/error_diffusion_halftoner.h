// Serpentine Floyd-Steinberg error diffusion, the candidate the threshold matrix is measured
// against. Nothing in means nothing out, and no error flows into white.
#pragma once
#include <vector>

#include "halftoner.h"

class ErrorDiffusionHalftoner final : public Halftoner {
public:
    explicit ErrorDiffusionHalftoner(unsigned width600);

    void StartPage() override;
    void Black(const uint16_t* amounts, unsigned width, unsigned row, uint8_t* plane) override;
    void Colour(unsigned ink, const uint16_t* amounts, unsigned width, unsigned row, uint8_t* low, uint8_t* high) override;

    // The error a plane carries into this row and to the next, with a guard cell at either end.
    struct Errors {
        std::vector<int> current, next;
        bool leftToRight = true;
    };

private:
    Errors black_;
    Errors colour_[3];
    std::vector<uint8_t> levels_;
};

// Packs one bit of each level byte into a plane, leftmost dot in the high bit.
void PackLevelBit(const uint8_t* levels, unsigned width, unsigned bit, uint8_t* plane);
