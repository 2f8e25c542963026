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

#include "printer/raster_pages.h"

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
        const RasterPagesPrinted printed =
            PrintRasterPages(raster, writer, [](unsigned page) { fprintf(stderr, "PAGE: %u 1\n", page); });
        if (!printed.problem.empty())
            fprintf(stderr, "ERROR: %s\n", printed.problem.c_str());
        taking = writer.EndJob() && !printed.deviceStopped;
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
