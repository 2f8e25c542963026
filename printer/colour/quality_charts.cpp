// The charts, drawn from HSL so that hue, saturation and lightness vary one at a time.
#include "quality_charts.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr unsigned kPatchSize = 96; // 4 mm at 600 dpi: the blur leaves a 60-dot centre
constexpr unsigned kColumns = 12;
constexpr unsigned kHues = 12;
constexpr double kSaturations[] = {1.0 / 3, 2.0 / 3, 1.0};
constexpr double kLightnesses[] = {0.25, 0.5, 0.75};
constexpr unsigned kRampSteps = 24;

Srgb8 FromHsl(double hue, double saturation, double lightness)
{
    const double chroma = (1 - std::fabs(2 * lightness - 1)) * saturation;
    auto channel = [&](double n) {
        double k = std::fmod(n + hue / 30.0, 12.0);
        double value = lightness - chroma / 2 * std::max(-1.0, std::min({k - 3, 9 - k, 1.0}));
        return static_cast<uint8_t>(std::lround(value * 255));
    };
    return {channel(0), channel(8), channel(4)};
}

} // namespace

Chart ChartOf(const std::vector<Srgb8>& colours)
{
    const unsigned rows = static_cast<unsigned>((colours.size() + kColumns - 1) / kColumns);
    Chart chart{{kColumns * kPatchSize, rows * kPatchSize, {}}, {}};
    chart.page.srgb.assign(size_t{chart.page.width} * chart.page.height * 3, 0xFF);
    for (size_t index = 0; index < colours.size(); ++index) {
        const PatchArea area{static_cast<unsigned>(index % kColumns) * kPatchSize, static_cast<unsigned>(index / kColumns) * kPatchSize,
                             kPatchSize, kPatchSize};
        chart.patches.push_back(area);
        for (unsigned y = area.y; y < area.y + area.height; ++y) {
            uint8_t* pixel = chart.page.srgb.data() + (size_t{y} * chart.page.width + area.x) * 3;
            for (unsigned x = 0; x < area.width; ++x, pixel += 3) {
                pixel[0] = colours[index].r;
                pixel[1] = colours[index].g;
                pixel[2] = colours[index].b;
            }
        }
    }
    return chart;
}

Chart ColourChart()
{
    std::vector<Srgb8> colours;
    for (double lightness : kLightnesses)
        for (double saturation : kSaturations)
            for (unsigned hue = 0; hue < kHues; ++hue)
                colours.push_back(FromHsl(hue * 360.0 / kHues, saturation, lightness));
    for (unsigned grey = 0; grey < kColumns; ++grey) {
        const auto value = static_cast<uint8_t>(std::lround(255.0 * grey / (kColumns - 1)));
        colours.push_back({value, value, value});
    }
    return ChartOf(colours);
}

Chart GreyRamp()
{
    std::vector<Srgb8> colours;
    for (unsigned step = 0; step < kRampSteps; ++step) {
        const auto value = static_cast<uint8_t>(std::lround(255.0 * (kRampSteps - 1 - step) / (kRampSteps - 1)));
        colours.push_back({value, value, value});
    }
    return ChartOf(colours);
}
