// How close a printed page comes to its source as a viewer sees it: the page's planes are drawn
// at 600 dpi with the ink model, blurred by a Gaussian of 0.25 mm (dots the eye no longer tells
// apart at reading distance), and compared with the source in CIELAB (D65) by CIEDE2000, pixel by
// pixel over the centre of each patch.
#pragma once
#include <array>
#include <functional>
#include <vector>

#include "colour_pipeline.h"
#include "quality_charts.h"

// One row group's planes in the printer's order. A plane shorter than its row (empty, for a group
// the stream skipped) reads as no dots beyond its end.
using GroupPlanes = std::array<std::vector<uint8_t>, kPlanesPerGroup>;

struct PrintedPage {
    unsigned width600;
    std::vector<GroupPlanes> groups; // top to bottom, one per two 600-dpi rows
};

// Runs a page's rows through a pipeline and keeps every group.
PrintedPage PrintPage(ColourPipeline& pipeline, unsigned width600, unsigned height, const std::function<const uint8_t*(unsigned row)>& rowAt);
PrintedPage PrintPage(ColourPipeline& pipeline, const SourcePage& source);

struct PatchScore {
    double deltaE;    // mean CIEDE2000 over the patch's centre
    double lightness; // mean L* printed there
};

struct QualityScore {
    std::vector<PatchScore> patches; // in the order of the areas given
    double meanDeltaE;
    double p95DeltaE; // the patch below which 95% of patches lie
};

QualityScore ScorePrint(const PrintedPage& printed, const SourcePage& source, const std::vector<PatchArea>& areas);

// Whether L* strictly falls from each patch to the next: a ramp that darkens at every step.
bool LightnessFalls(const QualityScore& score);
// Whether no group carries cyan, magenta or yellow.
bool UsesBlackOnly(const PrintedPage& printed);
