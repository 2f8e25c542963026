// CUPS raster pages (as cups-filters, Ghostscript's cups device and PAPPL make them) for the
// document writer: a page header checked against what the printer prints (8-bit sRGB or grey,
// chunked, 600 x 600 dpi, a paper it takes, a sane size), and a raster's pages read into a job.
#pragma once
#include <cups/raster.h>

#include <functional>
#include <string>

#include "document_writer.h"

// Fills page from the header; the problem in words when the page cannot be printed.
std::string PageOfHeader(const cups_page_header2_t& header, DocumentPage* page);

struct RasterPagesPrinted {
    unsigned pages;        // ended, a page cut short included
    std::string problem;   // why the raster was not printed whole, empty when it was
    bool deviceStopped;    // the stream stopped taking bytes
};

// Reads every page of the raster into the writer, row by row. A page that cannot be printed ends
// the reading (the rest cannot be trusted to follow on); a page cut short is ended as it is.
// pageDone is told each page the writer ended whole.
RasterPagesPrinted PrintRasterPages(cups_raster_t* raster, DocumentWriter& writer,
                                    const std::function<void(unsigned page)>& pageDone);
