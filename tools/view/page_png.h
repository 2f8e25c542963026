// Raster pages drawn as the printer prints them, one PNG each: one image row per row group (300
// dpi for the printer's raster) counted from the start of raster graphics, moves included; each
// pixel the inks' coverage of its area (black sampled from its 600-dpi dots) composited as they
// overlay on paper.
#pragma once
#include <stddef.h>
#include <stdint.h>

#include <string>
#include <vector>

#include "printer/raster_summary.h"

// Writes page i of the stream (its summary from an earlier reading) to pathOf(i); the pages'
// rows are drawn as the stream is read again, so only one image row is held at a time. The
// problem in words, or empty.
std::string WritePagePngs(const uint8_t* data, size_t size, const std::vector<RasterPageSummary>& pages,
                          const std::vector<std::string>& paths);
