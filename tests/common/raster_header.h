// The header of a page of CUPS raster as the printer's PPD asks for it: 8-bit sRGB, chunked,
// 600 x 600 dpi, on A4; width and height in pixels.
#pragma once
#include <cups/raster.h>

#include <cstdio>

inline cups_page_header2_t SrgbA4PageHeader(unsigned width, unsigned height)
{
    cups_page_header2_t header = {};
    header.HWResolution[0] = header.HWResolution[1] = 600;
    header.PageSize[0] = 595;
    header.PageSize[1] = 842;
    header.cupsWidth = width;
    header.cupsHeight = height;
    header.cupsBitsPerColor = 8;
    header.cupsBitsPerPixel = 24;
    header.cupsBytesPerLine = 3 * width;
    header.cupsColorOrder = CUPS_ORDER_CHUNKED;
    header.cupsColorSpace = CUPS_CSPACE_SRGB;
    header.cupsNumColors = 3;
    std::snprintf(header.cupsPageSizeName, sizeof(header.cupsPageSizeName), "iso_a4_210x297mm");
    return header;
}
