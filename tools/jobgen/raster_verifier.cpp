// Reads back a raster job: its listing for the framing and set-up, the layer's raster summary for
// the run.
#include "raster_verifier.h"

#include <algorithm>
#include "pjl_job.h"

namespace qz_jobs {

namespace {

bool IsRasterParameter(const ListedElement& element, char letter)
{
    return element.command.rfind("*b", 0) == 0 && element.command.back() == letter;
}

// The lead-in, the reset and exit to PJL, and the PJL lines; returns the index of the next element.
std::size_t ReadPreamble(const std::vector<ListedElement>& elements, RasterJobReport& report)
{
    std::size_t index = 0;
    if (!elements.empty() && elements[0].command.rfind("text", 0) == 0) {
        const Bytes& leadIn = elements[0].data;
        RequireFormat(std::all_of(leadIn.begin(), leadIn.end(), [](std::uint8_t byte) { return byte == 0; }),
                      "lead-in holds bytes other than NUL");
        report.leadInNuls = leadIn.size();
        ++index;
    }
    RequireFormat(elements.size() > index + 3 && elements[index].command == "E" &&
                      elements[index + 1].command == "%-12345X" && elements[index + 2].command.rfind("text", 0) == 0,
                  "no reset, universal exit and PJL lines at the start");
    report.pjlStatements = ReadPjlStatements(elements[index + 2].data);
    return index + 3;
}

} // namespace

RasterJobReport VerifyRasterJob(const Bytes& job)
{
    // The listing, with the raster summed up and the run's start noted on the way.
    struct Reader final : StreamLister {
        void RasterStart(std::size_t offset, const RasterFormat& format) override { summary.RasterStart(offset, format); }
        void RasterMove(unsigned fromRow, unsigned rows) override { summary.RasterMove(fromRow, rows); }
        void RasterGroup(const RasterGroupRead& group) override
        {
            if (summary.Pages().empty() && runOffset == 0)
                runOffset = group.commandOffset;
            summary.RasterGroup(group);
        }
        void RasterEnd(std::size_t offset, unsigned rows) override { summary.RasterEnd(offset, rows); }
        RasterSummary summary;
        std::size_t runOffset = 0;
    } reader;
    ReadWellFormed(job, reader);
    RequireFormat(reader.summary.Pages().size() == 1 && reader.runOffset != 0, "not one raster page with transfers");

    RasterJobReport report;
    report.totalBytes = job.size();
    report.page = reader.summary.Pages().front();
    report.runOffset = reader.runOffset;
    report.trailerOffset = report.page.endOffset;
    report.trailer.assign(job.begin() + static_cast<long>(report.trailerOffset), job.end());
    const std::vector<ListedElement>& elements = reader.elements;
    for (std::size_t index = ReadPreamble(elements, report); index < elements.size(); ++index) {
        const ListedElement& element = elements[index];
        if (element.offset < report.runOffset)
            report.setup.push_back(element);
        if (IsRasterParameter(element, 'M'))
            report.compressionMethod = std::stol(element.command.substr(2));
        if (IsRasterParameter(element, 'Y') && element.offset == report.runOffset)
            report.runEnd = element.command.substr(2);
    }
    return report;
}

} // namespace qz_jobs
