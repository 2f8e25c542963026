// rastertoqz: the CUPS raster filter. Pages of CUPS raster (8-bit sRGB or grey at 600 dpi, which
// the PPD asks for) become the printer's stream: one job, each page with its setup and raster,
// read and written row by row, never a whole page in memory.
//
//   rastertoqz job user title copies options [file]
//
// Bad input never leaves the printer inside raster graphics: a page that is cut short or cannot
// be printed gets an ERROR: line, the page in progress is ended and the job closed, and the filter
// still exits 0, so the queue goes on with the next job. Only a device that stops taking bytes
// gives exit 1.
#include <cups/raster.h>
#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include <vector>

#include "printer/document_writer.h"
#include "raster_page.h"

namespace {

// Reads every page into the writer; false when the device stopped taking bytes.
bool PrintPages(cups_raster_t* raster, DocumentWriter& writer)
{
    cups_page_header2_t header;
    std::vector<unsigned char> row;
    unsigned number = 0;
    while (cupsRasterReadHeader2(raster, &header)) {
        ++number;
        DocumentPage page;
        const std::string problem = PageOfHeader(header, &page);
        if (!problem.empty()) {
            fprintf(stderr, "ERROR: Page %u cannot be printed: %s\n", number, problem.c_str());
            return true; // the rest of the raster cannot be trusted to follow on
        }
        if (!writer.StartPage(page))
            return false;
        row.resize(header.cupsBytesPerLine);
        for (unsigned y = 0; y < header.cupsHeight; ++y) {
            if (cupsRasterReadPixels(raster, row.data(), header.cupsBytesPerLine) != header.cupsBytesPerLine) {
                fprintf(stderr, "ERROR: Page %u is cut short after %u of its %u rows\n", number, y, header.cupsHeight);
                return writer.EndPage();
            }
            if (!writer.PutRow(row.data()))
                return false;
        }
        if (!writer.EndPage())
            return false;
        fprintf(stderr, "PAGE: %u 1\n", number);
    }
    if (number == 0)
        fputs("ERROR: The raster holds no pages\n", stderr);
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 6 || argc > 7) {
        fputs("Usage: rastertoqz job user title copies options [file]\n", stderr);
        return 1;
    }
    const int input = argc == 7 ? open(argv[6], O_RDONLY) : 0;
    if (input < 0) {
        perror("ERROR: Unable to open the raster file");
        return 1;
    }
    cups_raster_t* raster = cupsRasterOpen(input, CUPS_RASTER_READ);
    if (!raster) {
        fputs("ERROR: The document is not a CUPS raster\n", stderr);
        return 0;
    }
    FileSink out(stdout);
    bool taking = true;
    {
        DocumentWriter writer(out);
        taking = PrintPages(raster, writer);
        taking = writer.EndJob() && taking;
    }
    cupsRasterClose(raster);
    if (input != 0)
        close(input);
    if (!taking || fflush(stdout) != 0) {
        fputs("ERROR: The printer stopped taking the job\n", stderr);
        return 1;
    }
    return 0;
}
