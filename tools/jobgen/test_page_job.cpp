// The test-page raster job: NUL lead-in, PJL language switch, page and raster set-up, one combined
// ESC *b run carrying every row, and the trailer that ejects the page and returns to PJL.
//
// The job has a fixed size and a fixed amount of compressed plane data, and both are met by design:
// - Every band pattern keeps its transfers in one class of decimal length: the grey wedge and the
//   colour ramps are busy enough to stay at 100 bytes or more, the solid block and the black patch
//   below 10 bytes, every other pattern from 10 to 99 bytes. The digits of the transfer lengths,
//   and with them the length of the parameter text of the run, are therefore fixed.
// - The grey wedge takes what the other bands leave of the compressed data budget: its rows are
//   cut from the right until their compressed sizes add up to exactly that remainder.
#include "test_page_job.h"

#include <array>
#include <string>
#include <vector>
#include "budget_fit.h"
#include "method2_codec.h"
#include "pcl_writer.h"
#include "pjl_job.h"
#include "test_page_layout.h"
#include "test_page_rows.h"

namespace qz_jobs {

namespace {

using RowPlanes = std::array<Bytes, kPlanesPerRow>;

bool IsFitted(BandPattern pattern, std::size_t plane)
{
    return pattern == BandPattern::GreyWedge && plane < kComponent1Planes;
}

// The compressed planes of every printed row, band by band.
std::vector<std::vector<RowPlanes>> CompressPage()
{
    std::vector<std::vector<RowPlanes>> page;
    std::vector<Bytes*> fittedSlots;
    std::vector<Bytes> fittedRows;
    std::size_t fixedBytes = 0;
    for (const Band& band : kTestPageBands)
        page.emplace_back(static_cast<std::size_t>(band.lastRow - band.firstRow + 1));
    for (std::size_t bandIndex = 0; bandIndex < kTestPageBands.size(); ++bandIndex) {
        const Band& band = kTestPageBands[bandIndex];
        for (int bandRow = 0; bandRow <= band.lastRow - band.firstRow; ++bandRow) {
            RowPlanes& planes = page[bandIndex][static_cast<std::size_t>(bandRow)];
            for (std::size_t plane = 0; plane < kPlanesPerRow; ++plane) {
                Bytes expanded = RenderPlane(band.pattern, bandRow, plane);
                if (IsFitted(band.pattern, plane)) {
                    fittedSlots.push_back(&planes[plane]);
                    fittedRows.push_back(std::move(expanded));
                } else {
                    planes[plane] = CompressMethod2(expanded);
                    fixedBytes += planes[plane].size();
                }
            }
        }
    }
    if (fixedBytes > kCompressedDataBytes)
        throw JobFormatError("fixed bands alone take " + std::to_string(fixedBytes) + " bytes");
    std::vector<Bytes> fitted = FitRowsToBudget(fittedRows, kCompressedDataBytes - fixedBytes);
    for (std::size_t index = 0; index < fitted.size(); ++index)
        *fittedSlots[index] = std::move(fitted[index]);
    return page;
}

Bytes RasterConfiguration()
{
    constexpr std::uint8_t kConfigurationFormat = 0x02;
    Bytes data = {kConfigurationFormat, static_cast<std::uint8_t>(kTestPageComponents.size())};
    for (const ColourComponent& component : kTestPageComponents)
        for (std::uint16_t value : {component.horizontalDpi, component.verticalDpi, component.levels}) {
            data.push_back(static_cast<std::uint8_t>(value >> 8));
            data.push_back(static_cast<std::uint8_t>(value & 0xFF));
        }
    return data;
}

void WritePageSetup(PclWriter& writer)
{
    writer.Command("&l", 1, 'H');
    writer.DataCommand("*o", {0x08, 0x09, 0x00, 0x00, 0x07, 0x00, 0x01});
    writer.Command("&l", 2, 'A');
    writer.Command("&l", -2, 'H');
    writer.Command("&l", 0, 'M');
    writer.DataCommand("*o", {0x07, 0x08, 0x00, 0x00, 0x02});
    writer.Command("*o", 0, 'M');
    writer.Command("&u", 300, 'D');
    writer.Command("*p", 0, 'X');
    writer.Command("*p", 0, 'Y');
    writer.DataCommand("*g", RasterConfiguration());
    writer.Command("*r", 1, 'A');
    constexpr long kRunLengthCompression = 2;
    writer.Command("*b", kRunLengthCompression, 'M');
}

void WriteRaster(PclWriter& writer, const std::vector<std::vector<RowPlanes>>& page)
{
    for (int rows : kLeadingMoves)
        writer.Command("*b", rows, 'Y');
    writer.BeginCombined("*b");
    for (std::size_t bandIndex = 0; bandIndex < kTestPageBands.size(); ++bandIndex) {
        if (bandIndex > 0) {
            const int gap = kTestPageBands[bandIndex].firstRow - kTestPageBands[bandIndex - 1].lastRow - 1;
            writer.Parameter(gap, 'y');
        }
        for (const RowPlanes& planes : page[bandIndex])
            for (std::size_t plane = 0; plane < kPlanesPerRow; ++plane)
                writer.DataParameter(planes[plane], plane + 1 < kPlanesPerRow ? 'v' : 'w');
    }
    for (int move = 0; move < kTrailingMoves; ++move)
        writer.Parameter(kTrailingMoveRows, 'y');
    writer.Parameter(0, 'Y');
    writer.Command("*r", 'C');
}

} // namespace

Bytes BuildTestPageJob()
{
    const std::vector<std::vector<RowPlanes>> page = CompressPage();
    PclWriter writer;
    // The lead-in lets the printer wake up and flush its input before the job proper begins.
    writer.Zeros(kLeadInNuls);
    writer.Reset();
    writer.UniversalExit();
    WritePjlLine(writer, "ENTER LANGUAGE=" + std::string(kLanguagePcl3Gui));
    WritePageSetup(writer);
    WriteRaster(writer, page);
    writer.Text("\f");
    writer.Reset();
    writer.UniversalExit();
    if (writer.Stream().size() != kTestPageJobBytes)
        throw JobFormatError("test page job is " + std::to_string(writer.Stream().size()) + " bytes; a band "
                             "pattern has left its class of transfer lengths");
    return writer.TakeStream();
}

} // namespace qz_jobs
