// A CUPS raster page header checked against what the printer prints: 8-bit sRGB or grey, chunked,
// at 600 x 600 dpi, on a paper it takes, of a sane size.
#pragma once
#include <cups/raster.h>

#include <string>

#include "printer/document_writer.h"

// Fills page from the header; the problem in words when the page cannot be printed.
std::string PageOfHeader(const cups_page_header2_t& header, DocumentPage* page);
