// Bands, moves and ink of a raster page, group by group.
#include "raster_summary.h"

namespace {

unsigned Dots(const PlaneRow& plane)
{
    unsigned dots = 0;
    for (size_t i = 0; i < plane.size; ++i)
        dots += static_cast<unsigned>(__builtin_popcount(plane.bytes[i]));
    return dots;
}

} // namespace

double RasterPageSummary::WidthInches() const
{
    double widest = 0;
    for (size_t i = 0; i < format.count; ++i) {
        const double inches = widestPlane[i] * 8.0 / format.components[i].xDpi;
        widest = inches > widest ? inches : widest;
    }
    return widest;
}

double RasterPageSummary::LengthInches() const
{
    return format.count ? static_cast<double>(rows) / format.GroupDpi() : 0;
}

double RasterPageSummary::Coverage(size_t component) const
{
    const RasterComponent& c = format.components[component];
    const double dots = WidthInches() * c.xDpi * LengthInches() * c.yDpi;
    return dots > 0 ? static_cast<double>(intensity[component]) / ((c.levels - 1) * dots) : 0;
}

void RasterSummary::RasterStart(size_t offset, const RasterFormat& format)
{
    page_ = {};
    page_.startOffset = offset;
    page_.format = format;
}

void RasterSummary::RasterMove(unsigned fromRow, unsigned rows)
{
    page_.moves.push_back({fromRow, rows});
}

// A plane of bit b of a component adds 2^b for every dot it marks.
void RasterSummary::RasterGroup(const RasterGroupRead& group)
{
    unsigned inked = 0;
    size_t plane = 0;
    for (size_t component = 0; component < page_.format.count; ++component) {
        const size_t planes = page_.format.PlanesOf(component);
        for (size_t row = 0; row < page_.format.RowsPerGroup(component); ++row)
            for (size_t bit = 0; bit < planes; ++bit, ++plane) {
                const PlaneRow& data = group.planes[plane];
                const unsigned dots = Dots(data);
                page_.intensity[component] += static_cast<uint64_t>(dots) << bit;
                if (dots != 0)
                    inked |= 1u << component;
                if (data.size > page_.widestPlane[component])
                    page_.widestPlane[component] = data.size;
            }
    }
    std::vector<RasterBand>& bands = page_.bands;
    if (!bands.empty() && bands.back().lastRow + 1 == group.row && bands.back().componentsWithInk == inked)
        bands.back().lastRow = group.row;
    else
        bands.push_back({group.row, group.row, inked});
    ++page_.printedRows;
    page_.transfers += group.planeCount;
    page_.compressedBytes += group.compressedBytes;
}

void RasterSummary::RasterEnd(size_t offset, unsigned rows)
{
    page_.endOffset = offset;
    page_.rows = rows;
    pages_.push_back(page_);
}
