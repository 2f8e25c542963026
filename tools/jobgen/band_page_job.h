// The raster job of the page of test bands, printed after each level of the deep cleaning.
#pragma once
#include "bytes.h"

namespace qz_jobs {

// Builds the whole job; throws JobFormatError if the result misses its size.
Bytes BuildBandPageJob();

} // namespace qz_jobs
