// Amounts scaled to libcupsfilters' 0..4095, levels read back and packed.
#include "cups_dither_halftoner.h"

#include "cups_driver.h"
#include "error_diffusion_halftoner.h"

namespace {

constexpr int kCupsFull = CUPS_MAX_LUT;

} // namespace

CupsDitherHalftoner::CupsDitherHalftoner(unsigned width600) : width600_(width600), values_(width600), levels_(width600)
{
    const float two[] = {0.0f, 1.0f};
    const float four[] = {0.0f, 1.0f / 3, 2.0f / 3, 1.0f};
    blackLevels_ = cupsLutNew(2, two);
    colourLevels_ = cupsLutNew(4, four);
    StartPage();
}

CupsDitherHalftoner::~CupsDitherHalftoner()
{
    Release();
    cupsLutDelete(blackLevels_);
    cupsLutDelete(colourLevels_);
}

void CupsDitherHalftoner::Release()
{
    cupsDitherDelete(black_);
    for (cups_dither_t* dither : colour_)
        cupsDitherDelete(dither);
}

void CupsDitherHalftoner::StartPage()
{
    Release();
    black_ = cupsDitherNew(static_cast<int>(width600_));
    for (cups_dither_t*& dither : colour_)
        dither = cupsDitherNew(static_cast<int>((width600_ + 1) / 2));
}

void CupsDitherHalftoner::Black(const uint16_t* amounts, unsigned width, unsigned, uint8_t* plane)
{
    for (unsigned x = 0; x < width; ++x)
        values_[x] = static_cast<short>(amounts[x] * kCupsFull / kBlackFull);
    cupsDitherLine(black_, blackLevels_, values_.data(), 1, levels_.data());
    PackLevelBit(levels_.data(), width, 0, plane);
}

void CupsDitherHalftoner::Colour(unsigned ink, const uint16_t* amounts, unsigned width, unsigned, uint8_t* low, uint8_t* high)
{
    for (unsigned x = 0; x < width; ++x)
        values_[x] = static_cast<short>(amounts[x] * kCupsFull / kCellAmountFull);
    cupsDitherLine(colour_[ink], colourLevels_, values_.data(), 1, levels_.data());
    PackLevelBit(levels_.data(), width, 0, low);
    PackLevelBit(levels_.data(), width, 1, high);
}
