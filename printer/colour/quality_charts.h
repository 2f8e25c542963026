// Source pages for judging print quality: a colour chart and a grey ramp, each a grid of uniform
// patches large enough that their centres stay uniform after the viewing blur.
#pragma once
#include <stddef.h>
#include <stdint.h>

#include <vector>

#include "ink_model.h"

// A page of 8-bit sRGB at 600 dpi, rows top to bottom.
struct SourcePage {
    unsigned width, height;
    std::vector<uint8_t> srgb;

    const uint8_t* Row(unsigned y) const { return srgb.data() + size_t{y} * width * 3; }
};

struct PatchArea {
    unsigned x, y, width, height;
};

struct Chart {
    SourcePage page;
    std::vector<PatchArea> patches;
};

// Patches of the given colours, twelve to a row.
Chart ChartOf(const std::vector<Srgb8>& colours);
// Twelve hues at three saturations and three lightnesses, and a row of greys.
Chart ColourChart();
// White to black in equal sRGB steps, patch by patch in reading order.
Chart GreyRamp();
