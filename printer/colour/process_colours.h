// Pure cyan, magenta and yellow and their tints towards white print with their own ink alone,
// as a document's process colours are meant to: pure cyan as solid cyan, its tints as lighter
// cyan. Colours near those edges of the cube are pulled towards that, the nearer the harder.
#pragma once
#include "ink_model.h"

struct ProcessColourPull {
    double weight;    // 0 none .. 1 on the edge
    InkCoverage inks; // one ink alone, for the colour moved onto the edge
};

ProcessColourPull PullTowardsProcessColour(const LinearRgb& colour);
