// Reads back a raster job such as the page of test bands: the lead-in, the PJL switch, the set-up
// commands, every transfer of the ESC *b run expanded with method 2 (the printer layer's reader),
// the bands of printed rows, the vertical moves and the trailer. A malformed job throws
// JobFormatError.
#pragma once
#include <cstddef>
#include <string>
#include <vector>
#include "bytes.h"
#include "printer/raster_summary.h"
#include "stream_listing.h"

namespace qz_jobs {

struct RasterJobReport {
    std::size_t totalBytes = 0;
    std::size_t leadInNuls = 0;
    std::vector<std::string> pjlStatements;
    std::vector<ListedElement> setup;  // from after the PJL lines up to the transfer run
    long compressionMethod = 0;
    std::size_t runOffset = 0;         // of the ESC *b that carries the transfers
    std::string runEnd;                // its closing parameter, such as "0Y"
    RasterPageSummary page;            // components, bands, moves, rows, transfers, widest planes
    std::size_t trailerOffset = 0;     // of ESC *rC
    Bytes trailer;                     // from ESC *rC to the end
};

RasterJobReport VerifyRasterJob(const Bytes& job);

} // namespace qz_jobs
