// Floyd-Steinberg weights 7, 3, 5, 1 sixteenths, the direction alternating row by row.
#include "error_diffusion_halftoner.h"

#include <algorithm>
#include <cstring>

namespace {

template <typename Amount>
void Diffuse(ErrorDiffusionHalftoner::Errors& errors, const Amount* amounts, unsigned width, int full, int levels, uint8_t* out)
{
    std::swap(errors.current, errors.next);
    std::fill(errors.next.begin(), errors.next.end(), 0);
    const std::vector<int>& current = errors.current;
    const int step = errors.leftToRight ? 1 : -1;
    const int levelSize = full / (levels - 1);
    int carried = 0;
    for (unsigned i = 0; i < width; ++i) {
        const int x = errors.leftToRight ? int(i) : int(width - 1 - i);
        if (amounts[x] == 0) {
            out[x] = 0;
            carried = 0;
            continue;
        }
        const int wanted = int(amounts[x]) + (current[x + 1] + carried) / 16;
        const int level = std::clamp((wanted + levelSize / 2) / levelSize, 0, levels - 1);
        out[x] = static_cast<uint8_t>(level);
        const int error = wanted - level * levelSize;
        carried = 7 * error;
        errors.next[x + 1 - step] += 3 * error;
        errors.next[x + 1] += 5 * error;
        errors.next[x + 1 + step] += error;
    }
    errors.leftToRight = !errors.leftToRight;
}

} // namespace

void PackLevelBit(const uint8_t* levels, unsigned width, unsigned bit, uint8_t* plane)
{
    std::memset(plane, 0, PlaneBytes(width));
    for (unsigned x = 0; x < width; ++x)
        plane[x / 8] |= static_cast<uint8_t>((levels[x] >> bit & 1) << (7 - x % 8));
}

ErrorDiffusionHalftoner::ErrorDiffusionHalftoner(unsigned width600) : levels_(width600)
{
    StartPage();
}

void ErrorDiffusionHalftoner::StartPage()
{
    const size_t width600 = levels_.size();
    black_ = {std::vector<int>(width600 + 2, 0), std::vector<int>(width600 + 2, 0), true};
    for (Errors& errors : colour_)
        errors = {std::vector<int>((width600 + 1) / 2 + 2, 0), std::vector<int>((width600 + 1) / 2 + 2, 0), true};
}

void ErrorDiffusionHalftoner::Black(const uint16_t* amounts, unsigned width, unsigned, uint8_t* plane)
{
    Diffuse(black_, amounts, width, kBlackFull, 2, levels_.data());
    PackLevelBit(levels_.data(), width, 0, plane);
}

void ErrorDiffusionHalftoner::Colour(unsigned ink, const uint16_t* amounts, unsigned width, unsigned, uint8_t* low, uint8_t* high)
{
    Diffuse(colour_[ink], amounts, width, kCellAmountFull, kColourLevels, levels_.data());
    PackLevelBit(levels_.data(), width, 0, low);
    PackLevelBit(levels_.data(), width, 1, high);
}
