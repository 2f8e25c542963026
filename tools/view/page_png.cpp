// The inks of each row group to an RGB row, and rows to PNG through libpng.
#include "page_png.h"


#include <algorithm>
#include <cmath>

#include "png_rows.h"
#include "printer/colour/ink_model.h"

namespace {

constexpr size_t kInks = 4; // black, cyan, magenta, yellow: the printer's components in order

// The coverage of one component over the image pixel x: its intensities over the pixel's dots,
// as a share of full.
double Coverage(const RasterFormat& format, size_t component, const PlaneRow* planes, size_t firstPlane, unsigned x,
                unsigned dpi)
{
    const RasterComponent& c = format.components[component];
    const size_t planesPerRow = format.PlanesOf(component), rows = format.RowsPerGroup(component);
    const unsigned across = std::max(1u, c.xDpi / dpi), from = x * c.xDpi / dpi;
    unsigned total = 0;
    for (size_t row = 0; row < rows; ++row)
        for (unsigned dot = from; dot < from + across; ++dot)
            for (size_t bit = 0; bit < planesPerRow; ++bit) {
                const PlaneRow& plane = planes[firstPlane + row * planesPerRow + bit];
                if (dot / 8 < plane.size && (plane.bytes[dot / 8] & (0x80 >> dot % 8)))
                    total += 1u << bit;
            }
    return static_cast<double>(total) / ((c.levels - 1) * rows * across);
}

class PageDrawer final : public StreamVisitor {
public:
    PageDrawer(const std::vector<RasterPageSummary>& pages, const std::vector<std::string>& paths)
        : pages_(pages), paths_(paths)
    {
    }

    void RasterStart(size_t, const RasterFormat& format) override
    {
        if (page_ >= pages_.size() || !problem.empty())
            return;
        format_ = format;
        dpi_ = format.GroupDpi();
        width_ = std::max(1u, static_cast<unsigned>(std::ceil(pages_[page_].WidthInches() * dpi_)));
        white_.assign(width_ * 3, 0xFF);
        row_ = 0;
        if (!png_.Open(paths_[page_], width_, std::max(1u, pages_[page_].rows), dpi_))
            problem = "cannot write " + paths_[page_];
    }

    void RasterGroup(const RasterGroupRead& group) override
    {
        if (!problem.empty() || page_ >= pages_.size())
            return;
        WhiteTo(group.row);
        std::vector<uint8_t> rgb(white_);
        for (unsigned x = 0; x < width_; ++x) {
            double coverage[kInks] = {};
            size_t plane = 0;
            for (size_t component = 0; component < format_.count; ++component) {
                if (component < kInks)
                    coverage[component] = Coverage(format_, component, group.planes, plane, x, dpi_);
                plane += format_.RowsPerGroup(component) * format_.PlanesOf(component);
            }
            const Srgb8 paper = PaperColourSrgb8({coverage[1], coverage[2], coverage[3], coverage[0]});
            rgb[3 * x] = paper.r;
            rgb[3 * x + 1] = paper.g;
            rgb[3 * x + 2] = paper.b;
        }
        Write(rgb.data());
    }

    void RasterEnd(size_t, unsigned rows) override
    {
        if (page_ >= pages_.size())
            return;
        if (problem.empty()) {
            WhiteTo(std::max(1u, rows));
            if (!png_.Close())
                problem = "cannot write " + paths_[page_];
        }
        ++page_;
    }

    std::string problem;

private:
    void WhiteTo(unsigned row)
    {
        while (row_ < row && problem.empty())
            Write(white_.data());
    }

    void Write(const uint8_t* rgb)
    {
        if (!png_.Row(rgb))
            problem = "cannot write " + paths_[page_];
        ++row_;
    }

    const std::vector<RasterPageSummary>& pages_;
    const std::vector<std::string>& paths_;
    size_t page_ = 0;
    RasterFormat format_ = {};
    unsigned dpi_ = 0, width_ = 0, row_ = 0;
    std::vector<uint8_t> white_;
    PngRows png_;
};

} // namespace

std::string WritePagePngs(const uint8_t* data, size_t size, const std::vector<RasterPageSummary>& pages,
                          const std::vector<std::string>& paths)
{
    PageDrawer drawer(pages, paths);
    ReadPrinterStream(data, size, drawer);
    return drawer.problem;
}
