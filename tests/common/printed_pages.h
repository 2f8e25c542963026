// What a printer stream prints, page by page, decoded with the printer layer's reader: each
// raster page's paper-size code and, for every component, the intensity of every dot at its own
// resolution. For tests that check where ink lands.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "printer/raster_format.h"

struct PrintedComponent {
    unsigned dpi;    // horizontal and vertical, the printer's components being square
    unsigned width;  // dots across the widest row
    unsigned height; // dots down to the page's last row, moves included
    std::vector<std::uint8_t> intensity; // row by row

    unsigned At(unsigned x, unsigned y) const { return x < width && y < height ? intensity[y * width + x] : 0; }
    // Dots with ink inside the rectangle [x0, x1) x [y0, y1).
    std::size_t InkIn(unsigned x0, unsigned y0, unsigned x1, unsigned y1) const;
};

struct PrintedPage {
    long paperCode = 0;        // of the last ESC &l#A before the page
    RasterFormat format = {};
    unsigned printedRows = 0;  // row groups with transfers
    std::vector<PrintedComponent> components;
};

struct PrintedStream {
    std::vector<PrintedPage> pages;
    std::string fault; // the reader's problem and offset, empty when the stream is well formed
};

PrintedStream DecodePrintedPages(const std::vector<std::uint8_t>& stream);
