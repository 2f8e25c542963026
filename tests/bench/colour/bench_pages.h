// The A4 pages the pipeline's throughput is measured on, 600 dpi sRGB: a photo-like page (smooth
// colour fields with texture, no two neighbouring pixels alike) and a text page (black letter
// strokes on white within 25 mm margins).
#pragma once
#include "quality_charts.h"

constexpr unsigned kA4Width600 = 4960;
constexpr unsigned kA4Height600 = 7016;

SourcePage PhotoLikePage();
SourcePage TextPage();
