// The halftoning methods measured against each other, for speed and for quality: the pipeline's
// own blue-noise matrix, PAPPL's matrix, error diffusion written here, libcupsfilters' error
// diffusion, and blue noise for black with error diffusion for the colour inks.
#pragma once
#include <functional>
#include <memory>
#include <vector>

#include "halftoner.h"

struct HalftoneMethod {
    const char* key;  // a benchmark name's part
    const char* name; // what the quality report calls it
    std::function<std::unique_ptr<Halftoner>(unsigned width600)> make;
};

const std::vector<HalftoneMethod>& HalftoneMethods();
