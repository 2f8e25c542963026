// The raster job of the page of test bands: NUL lead-in, PJL language switch, page and raster
// set-up, the rows through the printer layer's raster writer (one combined ESC *b run carrying
// every row), and the trailer that ejects the page and returns to PJL.
//
// The job has a fixed size and a fixed amount of compressed plane data, and both are met by design:
// - Every band pattern keeps its transfers in one class of decimal length: the grey wedge and the
//   colour ramps are busy enough to stay at 100 bytes or more, the solid block and the black patch
//   below 10 bytes, every other pattern from 10 to 99 bytes. The digits of the transfer lengths,
//   and with them the length of the parameter text of the run, are therefore fixed.
// - The grey wedge takes what the other bands leave of the compressed data budget: its rows are
//   cut from the right until their compressed sizes add up to exactly that remainder.
#include "band_page_job.h"

#include <array>
#include <string>
#include <vector>
#include "band_page_layout.h"
#include "band_page_rows.h"
#include "budget_fit.h"
#include "method2_rows.h"
#include "pjl_job.h"
#include "printer/page_setup.h"
#include "printer/paper_sizes.h"
#include "printer/pjl.h"
#include "printer/raster_writer.h"

namespace qz_jobs {

namespace {

using RowPlanes = std::array<Bytes, kPlanesPerRow>;

bool IsFitted(BandPattern pattern, std::size_t plane)
{
    return pattern == BandPattern::GreyWedge && plane < kComponent1Planes;
}

// The planes of every printed row, band by band, the grey wedge cut to the budget.
std::vector<std::vector<RowPlanes>> DrawPage()
{
    std::vector<std::vector<RowPlanes>> page;
    std::vector<Bytes*> fittedSlots;
    std::vector<Bytes> fittedRows;
    std::size_t fixedBytes = 0;
    for (const Band& band : kBandPageBands)
        page.emplace_back(static_cast<std::size_t>(band.lastRow - band.firstRow + 1));
    for (std::size_t bandIndex = 0; bandIndex < kBandPageBands.size(); ++bandIndex) {
        const Band& band = kBandPageBands[bandIndex];
        for (int bandRow = 0; bandRow <= band.lastRow - band.firstRow; ++bandRow) {
            RowPlanes& planes = page[bandIndex][static_cast<std::size_t>(bandRow)];
            for (std::size_t plane = 0; plane < kPlanesPerRow; ++plane) {
                planes[plane] = RenderPlane(band.pattern, bandRow, plane);
                if (IsFitted(band.pattern, plane)) {
                    fittedSlots.push_back(&planes[plane]);
                    fittedRows.push_back(planes[plane]);
                } else {
                    fixedBytes += CompressRow(planes[plane]).size();
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

void WriteRaster(PclWriter& out, const std::vector<std::vector<RowPlanes>>& page)
{
    RasterWriter raster(out, kPrinterRaster);
    raster.Start();
    for (int rows : kLeadingMoves)
        raster.Move(static_cast<unsigned>(rows));
    for (std::size_t bandIndex = 0; bandIndex < kBandPageBands.size(); ++bandIndex) {
        if (bandIndex > 0)
            raster.Move(static_cast<unsigned>(kBandPageBands[bandIndex].firstRow - kBandPageBands[bandIndex - 1].lastRow - 1));
        for (const RowPlanes& planes : page[bandIndex]) {
            PlaneRow rows[kPlanesPerRow];
            for (std::size_t plane = 0; plane < kPlanesPerRow; ++plane)
                rows[plane] = {planes[plane].data(), planes[plane].size()};
            raster.PutGroup(rows);
        }
    }
    for (int move = 0; move < kTrailingMoves; ++move)
        raster.Move(kTrailingMoveRows);
    raster.End();
}

} // namespace

Bytes BuildBandPageJob()
{
    const std::vector<std::vector<RowPlanes>> page = DrawPage();
    BufferSink sink;
    PclWriter writer(sink);
    // The lead-in lets the printer wake up and flush its input before the job proper begins.
    writer.Zeros(kLeadInNuls);
    writer.Reset();
    writer.UniversalExit();
    WritePjlLine(writer, (std::string("ENTER LANGUAGE=") + kLanguagePcl3Gui).c_str());
    WritePageSetup(writer, PaperNamed("Letter")->code);
    WriteRaster(writer, page);
    writer.Text("\f");
    writer.Reset();
    writer.UniversalExit();
    if (sink.Bytes().size() != kBandPageJobBytes)
        throw JobFormatError("band page job is " + std::to_string(sink.Bytes().size()) + " bytes; a band "
                             "pattern has left its class of transfer lengths");
    return sink.Take();
}

} // namespace qz_jobs
