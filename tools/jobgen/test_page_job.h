// The test-page raster job printed after each level of the deep cleaning.
#pragma once
#include "bytes.h"

namespace qz_jobs {

// Builds the whole job; throws JobFormatError if the result misses its size.
Bytes BuildTestPageJob();

} // namespace qz_jobs
