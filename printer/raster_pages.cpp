// CUPS raster headers to document pages, and pages to the writer.
#include "raster_pages.h"

#include <vector>

namespace {

constexpr unsigned kDpi = 600;
constexpr unsigned kWidestSheetInches = 16, kLongestSheetInches = 200;
constexpr double kHundredthsMmPerPoint = 2540.0 / 72;
constexpr double kDotsPerPoint = kDpi / 72.0;

std::string Points(unsigned width, unsigned length)
{
    return std::to_string(width) + " x " + std::to_string(length) + " points";
}

} // namespace

std::string PageOfHeader(const cups_page_header2_t& header, DocumentPage* page)
{
    const bool grey = header.cupsColorSpace == CUPS_CSPACE_SW || header.cupsColorSpace == CUPS_CSPACE_W;
    const bool rgb = header.cupsColorSpace == CUPS_CSPACE_SRGB || header.cupsColorSpace == CUPS_CSPACE_RGB;
    if (!grey && !rgb)
        return "colour space " + std::to_string(header.cupsColorSpace) + " is neither sRGB nor grey";
    if (header.cupsBitsPerColor != 8 || header.cupsColorOrder != CUPS_ORDER_CHUNKED)
        return "pixels are not 8 bits per colour, chunked";
    if (header.HWResolution[0] != kDpi || header.HWResolution[1] != kDpi)
        return "resolution " + std::to_string(header.HWResolution[0]) + "x" + std::to_string(header.HWResolution[1]) +
               " dpi, not 600x600";
    const unsigned bytesPerPixel = grey ? 1 : 3;
    if (header.cupsWidth == 0 || header.cupsHeight == 0 || header.cupsWidth > kWidestSheetInches * kDpi ||
        header.cupsHeight > kLongestSheetInches * kDpi || header.cupsBitsPerPixel != 8 * bytesPerPixel ||
        header.cupsBytesPerLine != header.cupsWidth * bytesPerPixel)
        return "a page of " + std::to_string(header.cupsWidth) + " x " + std::to_string(header.cupsHeight) +
               " pixels and " + std::to_string(header.cupsBytesPerLine) + " bytes a line";
    const PaperSize* paper = PaperOfDimensions(static_cast<int>(header.PageSize[0] * kHundredthsMmPerPoint + 0.5),
                                               static_cast<int>(header.PageSize[1] * kHundredthsMmPerPoint + 0.5));
    if (!paper)
        return Points(header.PageSize[0], header.PageSize[1]) + " is not a paper the printer takes";
    *page = {paper, header.cupsWidth, header.cupsHeight, grey ? PixelFormat::Grey8 : PixelFormat::Srgb8,
             grey ? ColourMode::Greyscale : ColourMode::Colour, 0, 0};
    // A raster of the printable area alone (the PPD's imageable area) begins at its corner.
    const float* box = header.cupsImagingBBox;
    const double areaWidth = (box[2] - box[0]) * kDotsPerPoint;
    const double sheetLength = header.cupsPageSize[1] > 0 ? header.cupsPageSize[1] : header.PageSize[1];
    if (box[2] > box[0] && areaWidth > header.cupsWidth - 2.0 && areaWidth < header.cupsWidth + 2.0) {
        page->originX = static_cast<unsigned>(box[0] * kDotsPerPoint + 0.5);
        page->originY = static_cast<unsigned>((sheetLength - box[3]) * kDotsPerPoint + 0.5);
    }
    return "";
}

RasterPagesPrinted PrintRasterPages(cups_raster_t* raster, DocumentWriter& writer,
                                    const std::function<void(unsigned page)>& pageDone)
{
    RasterPagesPrinted printed = {0, "", false};
    cups_page_header2_t header;
    std::vector<unsigned char> row;
    while (raster && cupsRasterReadHeader2(raster, &header)) {
        const unsigned number = printed.pages + 1;
        DocumentPage page;
        const std::string problem = PageOfHeader(header, &page);
        if (!problem.empty()) {
            printed.problem = "Page " + std::to_string(number) + " cannot be printed: " + problem;
            return printed;
        }
        if (!writer.StartPage(page)) {
            printed.deviceStopped = true;
            return printed;
        }
        row.resize(header.cupsBytesPerLine);
        for (unsigned y = 0; y < header.cupsHeight; ++y) {
            if (cupsRasterReadPixels(raster, row.data(), header.cupsBytesPerLine) != header.cupsBytesPerLine) {
                printed.problem = "Page " + std::to_string(number) + " is cut short after " + std::to_string(y) +
                                  " of its " + std::to_string(header.cupsHeight) + " rows";
                printed.deviceStopped = !writer.EndPage();
                printed.pages = number;
                return printed;
            }
            if (!writer.PutRow(row.data())) {
                printed.deviceStopped = true;
                return printed;
            }
        }
        printed.deviceStopped = !writer.EndPage();
        if (printed.deviceStopped)
            return printed;
        printed.pages = number;
        pageDone(number);
    }
    if (printed.pages == 0)
        printed.problem = "The raster holds no pages";
    return printed;
}
