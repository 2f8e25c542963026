// The print as a viewer sees it: the grey ramp darkens at every step in black alone, colours the
// inks can reach come back close, and the measure tells a wrong print from the right one.
#include <gtest/gtest.h>

#include <algorithm>

#include "print_quality.h"

namespace {

TEST(PrintQuality, GreyRampDarkensAtEveryStepInBlackAlone)
{
    const Chart ramp = GreyRamp();
    for (ColourMode mode : {ColourMode::Colour, ColourMode::Greyscale}) {
        SCOPED_TRACE(mode == ColourMode::Colour ? "colour" : "greyscale");
        ColourPipeline pipeline(ramp.page.width, PixelFormat::Srgb8, mode);
        const PrintedPage printed = PrintPage(pipeline, ramp.page);
        EXPECT_TRUE(UsesBlackOnly(printed));
        const QualityScore score = ScorePrint(printed, ramp.page, ramp.patches);
        EXPECT_TRUE(LightnessFalls(score));
        EXPECT_NEAR(100.0, score.patches.front().lightness, 0.01) << "white stays paper";
    }
}

TEST(PrintQuality, ColoursInsideTheGamutComeBackClose)
{
    // Skin, brick, ochre, denim, sand and pastels: all within what the inks can print.
    const Chart chart = ChartOf({{170, 85, 85}, {170, 128, 85}, {85, 128, 170}, {212, 128, 43}, {213, 170, 170}, {213, 191, 170},
                                 {170, 191, 213}, {234, 191, 149}, {200, 150, 120}});
    ColourPipeline pipeline(chart.page.width, PixelFormat::Srgb8, ColourMode::Colour);
    const QualityScore score = ScorePrint(PrintPage(pipeline, chart.page), chart.page, chart.patches);
    for (size_t patch = 0; patch < score.patches.size(); ++patch)
        EXPECT_LT(score.patches[patch].deltaE, 2.0) << "patch " << patch;
}

TEST(PrintQuality, TellsAWrongPrintFromTheRightOne)
{
    const Chart ramp = GreyRamp();
    ColourPipeline pipeline(ramp.page.width, PixelFormat::Srgb8, ColourMode::Colour);
    PrintedPage printed = PrintPage(pipeline, ramp.page);
    const double right = ScorePrint(printed, ramp.page, ramp.patches).meanDeltaE;
    std::reverse(printed.groups.begin(), printed.groups.end()); // the ramp upside down
    const QualityScore wrong = ScorePrint(printed, ramp.page, ramp.patches);
    EXPECT_FALSE(LightnessFalls(wrong));
    EXPECT_GT(wrong.meanDeltaE, right + 10);
    EXPECT_FALSE(UsesBlackOnly({ramp.page.width, {GroupPlanes{{{}, {}, {0x01}}}}}));
}

} // namespace
