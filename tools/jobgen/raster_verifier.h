// Reads back a raster job such as the test page: the lead-in, the PJL switch, the set-up commands,
// every transfer of the ESC *b run expanded with method 2, the bands of printed rows, the vertical
// moves and the trailer. Violations of the run's grammar throw JobFormatError.
#pragma once
#include <cstddef>
#include <string>
#include <vector>
#include "bytes.h"
#include "pcl_parser.h"
#include "test_page_layout.h"

namespace qz_jobs {

// Consecutive printed rows whose planes carry data in the same components.
struct RasterBand {
    int firstRow = 0;
    int lastRow = 0;
    unsigned componentsWithData = 0; // bit 0 for component 1, bit 3 for component 4
};

struct VerticalMove {
    int fromRow = 0;
    long rows = 0;
};

struct RasterJobReport {
    std::size_t totalBytes = 0;
    std::size_t leadInNuls = 0;
    std::vector<std::string> pjlStatements;
    std::vector<ListedElement> setup;  // from after the PJL lines up to the transfer run
    std::vector<ColourComponent> components;
    long compressionMethod = 0;
    std::size_t runOffset = 0;         // of the ESC *b that carries the transfers
    std::string runEnd;                // its closing parameter, such as "0Y"
    std::vector<RasterBand> bands;
    std::vector<VerticalMove> moves;   // every move of one row or more, in order
    int finalRow = 0;
    std::size_t printedRows = 0;
    std::size_t transfers = 0;
    std::size_t compressedBytes = 0;
    std::size_t widestComponent1 = 0;  // expanded bytes
    std::size_t widestColour = 0;
    std::size_t trailerOffset = 0;     // of ESC *rC
    Bytes trailer;                     // from ESC *rC to the end
};

RasterJobReport VerifyRasterJob(const Bytes& job);

} // namespace qz_jobs
