// Decoding a stream's pages into dot intensities.
#include "printed_pages.h"

#include <algorithm>

#include "printer/stream_reader.h"

namespace {

class PageDecoder final : public StreamVisitor {
public:
    void Parameter(std::size_t, const char* group, const PclParameter& parameter) override
    {
        if (std::string(group) == "&l" && parameter.Letter() == 'A')
            paperCode_ = parameter.value;
    }

    void RasterStart(std::size_t, const RasterFormat& format) override
    {
        page_ = PrintedPage();
        page_.paperCode = paperCode_;
        page_.format = format;
        for (std::size_t i = 0; i < format.count; ++i)
            page_.components.push_back({format.components[i].xDpi, 0, 0, {}});
        rows_.assign(format.count, {});
    }

    // Each component's rows of this group, intensities per dot, kept until the page ends.
    void RasterGroup(const RasterGroupRead& group) override
    {
        const RasterFormat& format = page_.format;
        std::size_t plane = 0;
        for (std::size_t c = 0; c < format.count; ++c) {
            const std::size_t planes = format.PlanesOf(c), rows = format.RowsPerGroup(c);
            for (std::size_t row = 0; row < rows; ++row) {
                std::size_t width = 0;
                for (std::size_t bit = 0; bit < planes; ++bit)
                    width = std::max(width, group.planes[plane + row * planes + bit].size * 8);
                std::vector<std::uint8_t> dots(width);
                for (std::size_t bit = 0; bit < planes; ++bit) {
                    const PlaneRow& data = group.planes[plane + row * planes + bit];
                    for (std::size_t x = 0; x < data.size * 8; ++x)
                        if (data.bytes[x / 8] & (0x80 >> x % 8))
                            dots[x] = static_cast<std::uint8_t>(dots[x] | 1u << bit);
                }
                rows_[c].push_back({static_cast<unsigned>(group.row * rows + row), std::move(dots)});
            }
            plane += planes * rows;
        }
        ++page_.printedRows;
    }

    void RasterEnd(std::size_t, unsigned rows) override
    {
        for (std::size_t c = 0; c < page_.components.size(); ++c) {
            PrintedComponent& component = page_.components[c];
            component.height = static_cast<unsigned>(rows * page_.format.RowsPerGroup(c));
            for (const auto& row : rows_[c])
                component.width = std::max(component.width, static_cast<unsigned>(row.second.size()));
            component.intensity.assign(static_cast<std::size_t>(component.width) * component.height, 0);
            for (const auto& row : rows_[c])
                std::copy(row.second.begin(), row.second.end(),
                          component.intensity.begin() + static_cast<long>(row.first) * component.width);
        }
        pages.push_back(std::move(page_));
    }

    std::vector<PrintedPage> pages;

private:
    long paperCode_ = 0;
    PrintedPage page_;
    std::vector<std::vector<std::pair<unsigned, std::vector<std::uint8_t>>>> rows_;
};

} // namespace

std::size_t PrintedComponent::InkIn(unsigned x0, unsigned y0, unsigned x1, unsigned y1) const
{
    std::size_t inked = 0;
    for (unsigned y = y0; y < std::min(y1, height); ++y)
        for (unsigned x = x0; x < std::min(x1, width); ++x)
            inked += intensity[static_cast<std::size_t>(y) * width + x] != 0;
    return inked;
}

PrintedStream DecodePrintedPages(const std::vector<std::uint8_t>& stream)
{
    PageDecoder decoder;
    const StreamFault fault = ReadPrinterStream(stream.data(), stream.size(), decoder);
    PrintedStream printed{std::move(decoder.pages), ""};
    if (!fault.problem.empty())
        printed.fault = fault.problem + " at byte " + std::to_string(fault.offset);
    return printed;
}
