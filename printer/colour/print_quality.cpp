// The quality measurement: the planes drawn through a table of the 128 ink combinations a 600-dpi
// pixel can carry, blurred separably over each patch's neighbourhood only.
#include "print_quality.h"

#include <algorithm>
#include <cmath>

#include "colour_space.h"
#include "ink_model.h"

namespace {

constexpr double kBlurMm = 0.25; // the Gaussian's standard deviation
constexpr double kDotsPerMm = 600 / 25.4;
constexpr double kSigma = kBlurMm * kDotsPerMm;
constexpr int kRadius = static_cast<int>(3 * kSigma) + 1;

class PrintedPixels {
public:
    explicit PrintedPixels(const PrintedPage& page) : page_(page)
    {
        for (unsigned combination = 0; combination < colours_.size(); ++combination) {
            colours_[combination] = PaperColour({(combination >> 1 & 3) / 3.0, (combination >> 3 & 3) / 3.0,
                                                 (combination >> 5 & 3) / 3.0, double(combination & 1)});
        }
    }

    // Paper white outside the page.
    LinearRgb At(int x, int y) const
    {
        if (x < 0 || y < 0 || unsigned(x) >= page_.width600 || unsigned(y) / 2 >= page_.groups.size())
            return {1, 1, 1};
        const GroupPlanes& planes = page_.groups[unsigned(y) / 2];
        const unsigned cell = unsigned(x) / 2;
        unsigned combination = Dot(planes[y & 1], unsigned(x));
        for (unsigned ink = 0; ink < 3; ++ink)
            combination |= (Dot(planes[2 + 2 * ink], cell) | Dot(planes[3 + 2 * ink], cell) << 1) << (1 + 2 * ink);
        return colours_[combination];
    }

private:
    static unsigned Dot(const std::vector<uint8_t>& plane, unsigned x)
    {
        return x / 8 < plane.size() ? plane[x / 8] >> (7 - x % 8) & 1u : 0u;
    }

    const PrintedPage& page_;
    std::array<LinearRgb, 128> colours_;
};

std::vector<double> Kernel()
{
    std::vector<double> kernel(2 * kRadius + 1);
    double sum = 0;
    for (int offset = -kRadius; offset <= kRadius; ++offset)
        sum += kernel[offset + kRadius] = std::exp(-offset * offset / (2 * kSigma * kSigma));
    for (double& weight : kernel)
        weight /= sum;
    return kernel;
}

LinearRgb Weighted(const LinearRgb& sum, const LinearRgb& colour, double weight)
{
    return {sum.r + weight * colour.r, sum.g + weight * colour.g, sum.b + weight * colour.b};
}

// The patch's centre, far enough in that the blur sees only the patch.
PatchArea Centre(const PatchArea& area)
{
    const unsigned inset = std::min<unsigned>(kRadius, (std::min(area.width, area.height) - 1) / 2);
    return {area.x + inset, area.y + inset, area.width - 2 * inset, area.height - 2 * inset};
}

PatchScore ScorePatch(const PrintedPixels& printed, const SourcePage& source, const PatchArea& area, const std::vector<double>& kernel)
{
    const PatchArea centre = Centre(area);
    const int top = int(centre.y) - kRadius;
    const unsigned rows = centre.height + 2 * kRadius;
    std::vector<LinearRgb> across(size_t{rows} * centre.width, LinearRgb{0, 0, 0});
    for (unsigned row = 0; row < rows; ++row)
        for (unsigned column = 0; column < centre.width; ++column)
            for (int offset = -kRadius; offset <= kRadius; ++offset) {
                LinearRgb& sum = across[size_t{row} * centre.width + column];
                sum = Weighted(sum, printed.At(int(centre.x + column) + offset, top + int(row)), kernel[offset + kRadius]);
            }
    double deltaE = 0, lightness = 0;
    for (unsigned row = 0; row < centre.height; ++row) {
        for (unsigned column = 0; column < centre.width; ++column) {
            LinearRgb seen{0, 0, 0};
            for (int offset = -kRadius; offset <= kRadius; ++offset)
                seen = Weighted(seen, across[size_t(row + offset + kRadius) * centre.width + column], kernel[offset + kRadius]);
            const uint8_t* pixel = source.Row(centre.y + row) + 3 * (centre.x + column);
            const Lab printedLab = LabFromLinear(seen);
            deltaE += DeltaE2000(printedLab, LabFromLinear(LinearFromSrgb8({pixel[0], pixel[1], pixel[2]})));
            lightness += printedLab.L;
        }
    }
    const double pixels = double(centre.width) * centre.height;
    return {deltaE / pixels, lightness / pixels};
}

} // namespace

PrintedPage PrintPage(ColourPipeline& pipeline, unsigned width600, unsigned height, const std::function<const uint8_t*(unsigned row)>& rowAt)
{
    PrintedPage printed{width600, {}};
    auto keep = [&] {
        GroupPlanes planes;
        for (size_t plane = 0; plane < kPlanesPerGroup; ++plane) {
            const PlaneRow& row = pipeline.Group()[plane];
            planes[plane].assign(row.bytes, row.bytes + row.size);
        }
        printed.groups.push_back(std::move(planes));
    };
    pipeline.StartPage();
    for (unsigned y = 0; y < height; ++y)
        if (pipeline.PutRow(rowAt(y)))
            keep();
    if (pipeline.Flush())
        keep();
    return printed;
}

PrintedPage PrintPage(ColourPipeline& pipeline, const SourcePage& source)
{
    return PrintPage(pipeline, source.width, source.height, [&](unsigned y) { return source.Row(y); });
}

QualityScore ScorePrint(const PrintedPage& printed, const SourcePage& source, const std::vector<PatchArea>& areas)
{
    const PrintedPixels pixels(printed);
    const std::vector<double> kernel = Kernel();
    QualityScore score{{}, 0, 0};
    std::vector<double> sorted;
    for (const PatchArea& area : areas) {
        score.patches.push_back(ScorePatch(pixels, source, area, kernel));
        sorted.push_back(score.patches.back().deltaE);
        score.meanDeltaE += sorted.back() / areas.size();
    }
    std::sort(sorted.begin(), sorted.end());
    if (!sorted.empty())
        score.p95DeltaE = sorted[static_cast<size_t>(std::ceil(0.95 * sorted.size())) - 1];
    return score;
}

bool LightnessFalls(const QualityScore& score)
{
    return std::adjacent_find(score.patches.begin(), score.patches.end(), [](const PatchScore& lighter, const PatchScore& darker) {
               return darker.lightness >= lighter.lightness;
           }) == score.patches.end();
}

bool UsesBlackOnly(const PrintedPage& printed)
{
    return std::all_of(printed.groups.begin(), printed.groups.end(), [](const GroupPlanes& planes) {
        return std::all_of(planes.begin() + 2, planes.end(), [](const std::vector<uint8_t>& plane) {
            return std::all_of(plane.begin(), plane.end(), [](uint8_t byte) { return byte == 0; });
        });
    });
}
