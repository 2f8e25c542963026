// The methods, and a halftoner that splits the planes between two others.
#include "halftone_methods.h"

#include "cups_dither_halftoner.h"
#include "error_diffusion_halftoner.h"
#include "pappl_matrix.h"
#include "threshold_halftoner.h"

namespace {

class ByPlane final : public Halftoner {
public:
    ByPlane(std::unique_ptr<Halftoner> black, std::unique_ptr<Halftoner> colour) : black_(std::move(black)), colour_(std::move(colour)) {}

    void StartPage() override
    {
        black_->StartPage();
        colour_->StartPage();
    }
    void Black(const uint16_t* amounts, unsigned width, unsigned row, uint8_t* plane) override
    {
        black_->Black(amounts, width, row, plane);
    }
    void Colour(unsigned ink, const uint16_t* amounts, unsigned width, unsigned row, uint8_t* low, uint8_t* high) override
    {
        colour_->Colour(ink, amounts, width, row, low, high);
    }

private:
    std::unique_ptr<Halftoner> black_, colour_;
};

} // namespace

const std::vector<HalftoneMethod>& HalftoneMethods()
{
    static const std::vector<HalftoneMethod> methods = {
        {"bluenoise", "blue-noise threshold matrix (the pipeline's)",
         [](unsigned) { return std::make_unique<ThresholdHalftoner>(BlueNoiseMatrix()); }},
        {"pappl", "PAPPL's default matrix (clustered dot)",
         [](unsigned) { return std::make_unique<ThresholdHalftoner>(PapplMatrix()); }},
        {"diffusion", "serpentine Floyd-Steinberg error diffusion",
         [](unsigned width) { return std::make_unique<ErrorDiffusionHalftoner>(width); }},
        {"cupsdither", "libcupsfilters cupsDitherLine",
         [](unsigned width) { return std::make_unique<CupsDitherHalftoner>(width); }},
        {"bluenoise+diffusion", "blue noise for black, error diffusion for colour",
         [](unsigned width) {
             return std::make_unique<ByPlane>(std::make_unique<ThresholdHalftoner>(BlueNoiseMatrix()),
                                              std::make_unique<ErrorDiffusionHalftoner>(width));
         }},
    };
    return methods;
}
