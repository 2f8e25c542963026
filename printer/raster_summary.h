// What each raster page of a stream holds, gathered while a stream is read: its form, its bands
// of printed rows, its moves, its size and how much of each ink it puts on the paper.
#pragma once
#include <stddef.h>
#include <stdint.h>

#include <vector>

#include "stream_reader.h"

// Consecutive printed row groups whose planes carry ink in the same components.
struct RasterBand {
    unsigned firstRow;
    unsigned lastRow;
    unsigned componentsWithInk; // bit i for component i
};

struct RasterMoveMade {
    unsigned fromRow;
    unsigned rows;
};

struct RasterPageSummary {
    size_t startOffset;   // of ESC *r#A
    size_t endOffset;     // of ESC *rC
    RasterFormat format;
    std::vector<RasterBand> bands;
    std::vector<RasterMoveMade> moves;
    unsigned rows;        // row groups reached, moves included
    size_t printedRows;   // row groups sent
    size_t transfers;
    size_t compressedBytes;
    size_t widestPlane[kMaxComponents]; // expanded bytes, by component
    uint64_t intensity[kMaxComponents]; // the intensities of all its dots added up, by component

    // The page's extent: its widest row and its rows, in inches.
    double WidthInches() const;
    double LengthInches() const;
    // The share of the extent a component covers, its full intensity counting as 1.
    double Coverage(size_t component) const;
};

class RasterSummary : public StreamVisitor {
public:
    void RasterStart(size_t offset, const RasterFormat& format) override;
    void RasterMove(unsigned fromRow, unsigned rows) override;
    void RasterGroup(const RasterGroupRead& group) override;
    void RasterEnd(size_t offset, unsigned rows) override;

    // The pages whose raster graphics ended.
    const std::vector<RasterPageSummary>& Pages() const { return pages_; }

private:
    RasterPageSummary page_ = {};
    std::vector<RasterPageSummary> pages_;
};
