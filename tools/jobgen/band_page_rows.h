// The pixels of the page of test bands: each band pattern drawn as expanded bit-plane rows, one byte per
// eight dots with the leftmost dot in the high bit, and no trailing white bytes.
#pragma once
#include <cstddef>
#include "bytes.h"
#include "band_page_layout.h"

namespace qz_jobs {

// Plane `plane` (0..7 in transfer order) of the row `bandRow` rows below the top of a band.
// Grey-wedge rows come at full width; the job builder cuts them to fit its data budget.
Bytes RenderPlane(BandPattern pattern, int bandRow, std::size_t plane);

} // namespace qz_jobs
