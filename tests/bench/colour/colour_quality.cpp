// Prints the print-quality figure: the colour chart and the grey ramp through the pipeline with
// each halftoning method, scored as print_quality.h describes, then the separation alone
// (continuous tone) against libcupsfilters' separation.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "colour_space.h"
#include "printer/raster_writer.h"
#include "printer/stream_reader.h"
#include "cups_driver.h"
#include "halftone_methods.h"
#include "print_quality.h"
#include "separation_solver.h"
#include "separation_tables.h"

namespace {

// A patch is inside the gamut when the inks, laid continuously, come this close to it.
constexpr double kInsideGamutDeltaE = 1.0;

struct Figures {
    double mean, p95;
};

Figures Summary(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    double mean = 0;
    for (double value : values)
        mean += value / values.size();
    return {mean, values.empty() ? 0 : values[static_cast<size_t>(std::ceil(0.95 * values.size())) - 1]};
}

Srgb8 PatchColour(const Chart& chart, const PatchArea& area)
{
    const uint8_t* pixel = chart.page.Row(area.y + area.height / 2) + 3 * (area.x + area.width / 2);
    return {pixel[0], pixel[1], pixel[2]};
}

double ContinuousDeltaE(const Srgb8& colour, const InkCoverage& inks)
{
    return DeltaE2000(LabFromLinear(PaperColour(inks)), LabFromLinear(LinearFromSrgb8(colour)));
}

// What the pipeline's table gives a colour on average over its dither phases.
InkCoverage TableInks(const Srgb8& colour)
{
    const NodeOffsets& offsets = SeparationNodeOffsets();
    double sums[4] = {0, 0, 0, 0};
    for (unsigned phase = 0; phase < kNodePhases; ++phase) {
        const uint32_t entry = kColourSeparation[offsets.red[phase][colour.r] + offsets.green[phase][colour.g] + offsets.blue[phase][colour.b]];
        for (unsigned ink = 0; ink < 3; ++ink)
            sums[ink] += (entry >> (8 * ink) & 0xFF) / 255.0 / kNodePhases;
        sums[3] += double(kBlackAmounts[BlackCodeOf(entry)]) / kBlackFull / kNodePhases;
    }
    return {sums[0], sums[1], sums[2], sums[3]};
}

// libcupsfilters' separation, all the grey to black as ours, the same ink limit.
InkCoverage CupsInks(const cups_cmyk_t* cmyk, const Srgb8& colour)
{
    const unsigned char rgb[3] = {colour.r, colour.g, colour.b};
    short cmykValues[4];
    cupsCMYKDoRGB(cmyk, rgb, cmykValues, 1);
    auto coverage = [&](int ink) { return double(cmykValues[ink]) / CUPS_MAX_LUT; };
    return {coverage(0), coverage(1), coverage(2), coverage(3)};
}

// The page as the printer receives it: the pipeline's groups written by the raster writer into
// a printer stream, read back by the stream reader (blank groups come back as moves, left empty).
PrintedPage DecodedPrint(const SourcePage& source)
{
    ColourPipeline pipeline(source.width, PixelFormat::Srgb8, ColourMode::Colour);
    BufferSink sink;
    PclWriter writer(sink);
    RasterWriter raster(writer, kPrinterRaster);
    raster.Start();
    pipeline.StartPage();
    for (unsigned y = 0; y < source.height; ++y)
        if (pipeline.PutRow(source.Row(y)))
            raster.PutGroup(pipeline.Group());
    if (pipeline.Flush())
        raster.PutGroup(pipeline.Group());
    raster.End();
    struct Groups final : StreamVisitor {
        void RasterGroup(const RasterGroupRead& group) override
        {
            page.groups.resize(group.row + 1);
            for (size_t plane = 0; plane < kPlanesPerGroup; ++plane)
                page.groups[group.row][plane].assign(group.planes[plane].bytes, group.planes[plane].bytes + group.planes[plane].size);
        }
        PrintedPage page{0, {}};
    } groups;
    ReadPrinterStream(sink.Bytes().data(), sink.Bytes().size(), groups);
    groups.page.width600 = source.width;
    groups.page.groups.resize((source.height + 1) / 2);
    return groups.page;
}

} // namespace

int main()
{
    const Chart chart = ColourChart();
    const Chart ramp = GreyRamp();

    std::vector<bool> insideGamut;
    for (const PatchArea& area : chart.patches) {
        const Srgb8 colour = PatchColour(chart, area);
        insideGamut.push_back(ContinuousDeltaE(colour, SeparateColour(LinearFromSrgb8(colour))) < kInsideGamutDeltaE);
    }
    const long inside = std::count(insideGamut.begin(), insideGamut.end(), true);

    std::printf("Pipeline: separation tables inverting the ink model (%u nodes a channel, greys in black alone, ink limit %.0f%%),\n"
                "colour inks averaged to 300 dpi and halftoned to 4 levels, black at 600 dpi to 2; halftoning as listed.\n"
                "Print quality: planes drawn with the ink model at 600 dpi, blurred by a Gaussian of sigma 0.25 mm,\n"
                "CIEDE2000 against the source, averaged over each patch's centre; mean and 95th percentile over patches.\n",
                kSeparationNodes, 100 * kInkLimit);
    std::printf("Chart: %zu patches (12 hues x 3 saturations x 3 lightnesses, 12 greys), %ld inside the inks' gamut.\n"
                "Ramp: %zu greys from white to black.\n\n",
                chart.patches.size(), inside, ramp.patches.size());
    std::printf("%-50s %13s %13s %13s %8s %10s\n", "halftoning (dE mean, p95)", "chart", "chart inside", "ramp", "darkens", "black only");
    for (const HalftoneMethod& method : HalftoneMethods()) {
        ColourPipeline chartPipeline(chart.page.width, PixelFormat::Srgb8, ColourMode::Colour, method.make(chart.page.width));
        const QualityScore chartScore = ScorePrint(PrintPage(chartPipeline, chart.page), chart.page, chart.patches);
        ColourPipeline rampPipeline(ramp.page.width, PixelFormat::Srgb8, ColourMode::Colour, method.make(ramp.page.width));
        const PrintedPage rampPrint = PrintPage(rampPipeline, ramp.page);
        const QualityScore rampScore = ScorePrint(rampPrint, ramp.page, ramp.patches);
        std::vector<double> insideScores;
        for (size_t patch = 0; patch < chartScore.patches.size(); ++patch)
            if (insideGamut[patch])
                insideScores.push_back(chartScore.patches[patch].deltaE);
        const Figures insideFigures = Summary(insideScores);
        std::printf("%-50s %6.2f %6.2f %6.2f %6.2f %6.2f %6.2f %8s %10s\n", method.name, chartScore.meanDeltaE, chartScore.p95DeltaE,
                    insideFigures.mean, insideFigures.p95, rampScore.meanDeltaE, rampScore.p95DeltaE,
                    LightnessFalls(rampScore) ? "yes" : "NO", UsesBlackOnly(rampPrint) ? "yes" : "NO");
    }

    const PrintedPage chartDecoded = DecodedPrint(chart.page), rampDecoded = DecodedPrint(ramp.page);
    const QualityScore chartScore = ScorePrint(chartDecoded, chart.page, chart.patches);
    const QualityScore rampScore = ScorePrint(rampDecoded, ramp.page, ramp.patches);
    std::printf("%-50s %6.2f %6.2f %13s %6.2f %6.2f %8s %10s\n", "blue noise, decoded from the printer stream",
                chartScore.meanDeltaE, chartScore.p95DeltaE, "", rampScore.meanDeltaE, rampScore.p95DeltaE,
                LightnessFalls(rampScore) ? "yes" : "NO", UsesBlackOnly(rampDecoded) ? "yes" : "NO");

    cups_cmyk_t* cmyk = cupsCMYKNew(4);
    cupsCMYKSetBlack(cmyk, 0.0f, 0.0f);
    cupsCMYKSetInkLimit(cmyk, static_cast<float>(kInkLimit));
    std::vector<double> ours, solved, cups;
    bool cupsGreysBlackOnly = true;
    for (const PatchArea& area : chart.patches) {
        const Srgb8 colour = PatchColour(chart, area);
        ours.push_back(ContinuousDeltaE(colour, TableInks(colour)));
        solved.push_back(ContinuousDeltaE(colour, SeparateColour(LinearFromSrgb8(colour))));
        const InkCoverage cupsInks = CupsInks(cmyk, colour);
        cups.push_back(ContinuousDeltaE(colour, cupsInks));
        if (colour.r == colour.g && colour.g == colour.b)
            cupsGreysBlackOnly = cupsGreysBlackOnly && cupsInks.cyan == 0 && cupsInks.magenta == 0 && cupsInks.yellow == 0;
    }
    cupsCMYKDelete(cmyk);
    std::printf("\nSeparation alone, continuous tone, chart CIEDE2000 mean / p95:\n");
    const struct {
        const char* name;
        const std::vector<double>& values;
    } separations[] = {
        {"ink-model solve, exact", solved},
        {"ink-model tables as the pipeline reads them", ours},
        {"libcupsfilters cupsCMYKDoRGB (all grey to black)", cups},
    };
    for (const auto& separation : separations) {
        const Figures figures = Summary(separation.values);
        std::printf("  %-50s %6.2f %6.2f\n", separation.name, figures.mean, figures.p95);
    }
    std::printf("  libcupsfilters greys in black alone: %s\n", cupsGreysBlackOnly ? "yes" : "no");
    return 0;
}
