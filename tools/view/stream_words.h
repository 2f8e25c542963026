// A printer stream told in words, part by part: the PJL job and its language, the page setup,
// each PML command with what the library means by it, and each raster page with its size, its
// components, its bands of printed rows and the ink it puts on the paper.
#pragma once
#include <stddef.h>
#include <stdint.h>

#include <string>
#include <vector>

#include "printer/raster_summary.h"

struct StreamWords {
    std::vector<std::string> lines;       // one per part, in stream order
    std::vector<RasterPageSummary> pages; // of the raster pages read to their end
    StreamFault fault;                    // where reading stopped, when it did
};

StreamWords DescribeStream(const uint8_t* data, size_t size);
