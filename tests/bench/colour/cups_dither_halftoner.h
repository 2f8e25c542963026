// libcupsfilters' error diffusion (cupsDitherLine: serpentine, randomised weights, blank pixels
// skipped) behind the halftoner interface, to measure it against the threshold matrix.
#pragma once
#include <vector>

#include "halftoner.h"

struct cups_dither_s;
struct cups_lut_s;

class CupsDitherHalftoner final : public Halftoner {
public:
    explicit CupsDitherHalftoner(unsigned width600);
    ~CupsDitherHalftoner() override;
    CupsDitherHalftoner(const CupsDitherHalftoner&) = delete;
    CupsDitherHalftoner& operator=(const CupsDitherHalftoner&) = delete;

    void StartPage() override;
    void Black(const uint16_t* amounts, unsigned width, unsigned row, uint8_t* plane) override;
    void Colour(unsigned ink, const uint16_t* amounts, unsigned width, unsigned row, uint8_t* low, uint8_t* high) override;

private:
    void Release();

    unsigned width600_;
    cups_lut_s* blackLevels_ = nullptr;
    cups_lut_s* colourLevels_ = nullptr;
    cups_dither_s* black_ = nullptr;
    cups_dither_s* colour_[3] = {nullptr, nullptr, nullptr};
    std::vector<short> values_;
    std::vector<uint8_t> levels_;
};
