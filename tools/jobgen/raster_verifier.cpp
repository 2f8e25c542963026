// Reads back a raster job: set-up, the ESC *b run with its transfers and moves, and the trailer.
#include "raster_verifier.h"

#include <algorithm>
#include <cctype>
#include <limits>
#include "method2_codec.h"
#include "pjl_job.h"

namespace qz_jobs {

namespace {

constexpr long kMethod2 = 2;
constexpr std::size_t kConfigurationHeader = 2;
constexpr std::size_t kBytesPerComponent = 6;

std::vector<ColourComponent> ReadConfiguration(const Bytes& data)
{
    RequireFormat(data.size() >= kConfigurationHeader &&
                  data.size() == kConfigurationHeader + data[1] * kBytesPerComponent,
                  "raster configuration does not match its component count");
    auto word = [&data](std::size_t at) {
        return static_cast<std::uint16_t>(data[at] << 8 | data[at + 1]);
    };
    std::vector<ColourComponent> components;
    for (std::size_t at = kConfigurationHeader; at < data.size(); at += kBytesPerComponent)
        components.push_back({word(at), word(at + 2), word(at + 4)});
    return components;
}

// Follows the raster rows: where the next row prints, and the planes of the row being sent.
class RasterWalker {
public:
    RasterWalker(const Bytes& job, RasterJobReport& report) : job_(job), report_(report) {}

    void Start() { started_ = true; }
    bool RowOpen() const { return plane_ != 0; }

    void Take(const PclParameter& parameter)
    {
        RequireFormat(started_, "raster parameter before ESC *r1A");
        switch (std::tolower(static_cast<unsigned char>(parameter.letter))) {
        case 'm': report_.compressionMethod = parameter.value; break;
        case 'y': Move(parameter.value); break;
        case 'v': Transfer(parameter, false); break;
        case 'w': Transfer(parameter, true); break;
        default: RequireFormat(false, std::string("unexpected raster parameter ") + parameter.letter);
        }
    }

private:
    void Move(long rows)
    {
        RequireFormat(!RowOpen(), "vertical move inside a row");
        RequireFormat(rows >= 0, "upward move");
        if (rows > 0)
            report_.moves.push_back({row_, rows});
        Advance(rows);
    }

    // Rows are counted in an int: a job that moves past the last one it can number is malformed.
    void Advance(long rows)
    {
        RequireFormat(rows <= std::numeric_limits<int>::max() - row_,
                      "raster runs past row " + std::to_string(std::numeric_limits<int>::max()));
        row_ += static_cast<int>(rows);
        report_.finalRow = row_;
    }

    void Transfer(const PclParameter& parameter, bool endsRow)
    {
        RequireFormat(report_.compressionMethod == kMethod2, "transfer before compression method 2 is set");
        RequireFormat(endsRow == (plane_ + 1 == kPlanesPerRow),
                      "row " + std::to_string(row_) + ": plane " + std::to_string(plane_ + 1) +
                          (endsRow ? " ends the row" : " does not end the row"));
        const Bytes expanded = ExpandMethod2(job_.data() + parameter.dataOffset, parameter.dataLength);
        std::size_t& widest = plane_ < kComponent1Planes ? report_.widestComponent1 : report_.widestColour;
        widest = std::max(widest, expanded.size());
        if (parameter.dataLength > 0)
            rowComponents_ |= 1u << ComponentOfPlane(plane_);
        ++report_.transfers;
        report_.compressedBytes += parameter.dataLength;
        if (!endsRow) {
            ++plane_;
            return;
        }
        EndRow();
    }

    static unsigned ComponentOfPlane(std::size_t plane)
    {
        return plane < kComponent1Planes ? 0 : static_cast<unsigned>((plane - kComponent1Planes) / 2 + 1);
    }

    void EndRow()
    {
        std::vector<RasterBand>& bands = report_.bands;
        const bool continuesBand = !bands.empty() && bands.back().lastRow + 1 == row_ &&
                                   bands.back().componentsWithData == rowComponents_;
        if (continuesBand)
            bands.back().lastRow = row_;
        else
            bands.push_back({row_, row_, rowComponents_});
        ++report_.printedRows;
        plane_ = 0;
        rowComponents_ = 0;
        Advance(1);
    }

    const Bytes& job_;
    RasterJobReport& report_;
    bool started_ = false;
    int row_ = 0;
    std::size_t plane_ = 0;
    unsigned rowComponents_ = 0;
};

bool IsTransfer(const PclParameter& parameter)
{
    const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(parameter.letter)));
    return letter == 'v' || letter == 'w';
}

// The lead-in, the reset and exit to PJL, and the PJL lines; returns the index of the next element.
std::size_t ReadPreamble(const Bytes& job, const std::vector<PclElement>& elements, RasterJobReport& report)
{
    std::size_t index = 0;
    if (!elements.empty() && elements[0].kind == PclElement::Kind::Text) {
        const Bytes leadIn = ElementBytes(job, elements[0]);
        const bool allNul = std::all_of(leadIn.begin(), leadIn.end(), [](std::uint8_t byte) { return byte == 0; });
        RequireFormat(allNul, "lead-in holds bytes other than NUL");
        report.leadInNuls = leadIn.size();
        ++index;
    }
    RequireFormat(elements.size() > index + 3 && IsReset(elements[index]) &&
                      IsUniversalExit(elements[index + 1]) && elements[index + 2].kind == PclElement::Kind::Text,
                  "no reset, universal exit and PJL lines at the start");
    report.pjlStatements = ReadPjlStatements(ElementBytes(job, elements[index + 2]));
    return index + 3;
}

} // namespace

RasterJobReport VerifyRasterJob(const Bytes& job)
{
    const std::vector<PclElement> elements = ParsePcl(job);
    RasterJobReport report;
    report.totalBytes = job.size();
    RasterWalker walker(job, report);
    bool runSeen = false;
    for (std::size_t index = ReadPreamble(job, elements, report); index < elements.size(); ++index) {
        const PclElement& element = elements[index];
        const std::string command = Describe(element);
        if (command == "*rC") {
            RequireFormat(runSeen && !walker.RowOpen(), "raster ends inside a row or before any transfer");
            report.trailerOffset = element.offset;
            report.trailer.assign(job.begin() + static_cast<long>(element.offset), job.end());
            break;
        }
        const bool carriesTransfers = element.group == "*b" &&
            std::any_of(element.parameters.begin(), element.parameters.end(), IsTransfer);
        if (carriesTransfers && !runSeen) {
            runSeen = true;
            report.runOffset = element.offset;
            const PclParameter& last = element.parameters.back();
            report.runEnd = std::to_string(last.value) + last.letter;
        }
        if (!runSeen)
            report.setup.push_back(ListElement(job, element));
        if (command == "*r1A")
            walker.Start();
        else if (element.group == "*g" && element.parameters.size() == 1 && element.parameters[0].letter == 'W')
            report.components = ReadConfiguration(ParameterData(job, element.parameters[0]));
        else if (element.group == "*b")
            for (const PclParameter& parameter : element.parameters)
                walker.Take(parameter);
    }
    RequireFormat(report.trailerOffset != 0, "raster is never ended with ESC *rC");
    return report;
}

} // namespace qz_jobs
