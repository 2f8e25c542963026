// The raster verifier on small crafted jobs: what a well-formed run reports, and each way a run can
// be broken.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>
#include <vector>
#include "method2_rows.h"
#include "printer/pjl.h"
#include "printer/raster_format.h"
#include "raster_verifier.h"

namespace {

using qz_jobs::Bytes;
using Planes = std::array<Bytes, 8>;

// A raster job whose ESC *b run holds what writeRun writes, closed by 0Y.
Bytes RasterJob(const std::function<void(PclWriter&)>& writeRun, bool setMethod2 = true, bool endRaster = true)
{
    BufferSink sink;
    PclWriter writer(sink);
    writer.Reset();
    writer.UniversalExit();
    WritePjlLine(writer, "ENTER LANGUAGE=PCL3GUI");
    std::uint8_t configuration[kLongestConfiguration];
    writer.DataCommand("*g", configuration, EncodeRasterConfiguration(kPrinterRaster, configuration));
    writer.Command("*r", 1, 'A');
    if (setMethod2)
        writer.Command("*b", 2, 'M');
    writer.BeginCombined("*b");
    writeRun(writer);
    writer.Parameter(0, 'Y');
    if (endRaster)
        writer.Command("*r", 'C');
    writer.Reset();
    return sink.Take();
}

void WriteRow(PclWriter& writer, const Planes& planes, std::size_t planeCount = 8)
{
    for (std::size_t plane = 0; plane < planeCount; ++plane)
        writer.DataParameter(planes[plane].data(), planes[plane].size(), plane + 1 < planeCount ? 'v' : 'w');
}

const Bytes kBlack = qz_jobs::CompressRow(Bytes(10, 0xFF));
const Bytes kColour = qz_jobs::CompressRow(Bytes{0x12, 0x34, 0x56});
const Planes kBlackRow = {kBlack, kBlack, {}, {}, {}, {}, {}, {}};
const Planes kColourRow = {kBlack, {}, kColour, {}, {}, kColour, kColour, kColour};

TEST(RasterVerifier, ReportsRowsBandsAndMoves)
{
    const Bytes job = RasterJob([](PclWriter& writer) {
        writer.Parameter(3, 'y');
        WriteRow(writer, kBlackRow);
        WriteRow(writer, kBlackRow);
        WriteRow(writer, kColourRow);
        writer.Parameter(2, 'y');
        WriteRow(writer, kColourRow);
    });
    const qz_jobs::RasterJobReport report = qz_jobs::VerifyRasterJob(job);
    const RasterPageSummary& page = report.page;
    EXPECT_EQ(0u, report.leadInNuls);
    ASSERT_EQ(3u, page.bands.size());
    EXPECT_EQ(3u, page.bands[0].firstRow);
    EXPECT_EQ(4u, page.bands[0].lastRow);
    EXPECT_EQ(0x1u, page.bands[0].componentsWithInk);
    EXPECT_EQ(5u, page.bands[1].firstRow);
    EXPECT_EQ(0xFu, page.bands[1].componentsWithInk);
    EXPECT_EQ(8u, page.bands[2].firstRow);
    ASSERT_EQ(2u, page.moves.size());
    EXPECT_EQ(6u, page.moves[1].fromRow);
    EXPECT_EQ(9u, page.rows);
    EXPECT_EQ(4u, page.printedRows);
    EXPECT_EQ(32u, page.transfers);
    EXPECT_EQ(6 * kBlack.size() + 8 * kColour.size(), page.compressedBytes);
    EXPECT_EQ(10u, page.widestPlane[0]);
    EXPECT_EQ(3u, page.widestPlane[1]);
}

TEST(RasterVerifier, RejectsBrokenRuns)
{
    Bytes badControl = kBlack;
    badControl[0] = 128;
    struct Case { const char* label; Bytes job; };
    const std::vector<Case> cases = {
        {"row ended after four planes", RasterJob([](PclWriter& w) { WriteRow(w, kBlackRow, 4); })},
        {"nine planes in a row", RasterJob([](PclWriter& w) {
             for (int plane = 0; plane < 8; ++plane)
                 w.DataParameter(kBlack.data(), kBlack.size(), 'v');
             w.DataParameter(kBlack.data(), kBlack.size(), 'w');
         })},
        {"move inside a row", RasterJob([](PclWriter& w) {
             WriteRow(w, kBlackRow, 3);
             w.Parameter(1, 'y');
         })},
        {"no compression method", RasterJob([](PclWriter& w) { WriteRow(w, kBlackRow); }, false)},
        {"control byte 128", RasterJob([&badControl](PclWriter& w) {
             WriteRow(w, {badControl, {}, {}, {}, {}, {}, {}, {}});
         })},
        {"literal run cut short", RasterJob([](PclWriter& w) {
             WriteRow(w, {Bytes{0x05, 0x01}, {}, {}, {}, {}, {}, {}, {}});
         })},
        {"raster never ended", RasterJob([](PclWriter& w) { WriteRow(w, kBlackRow); }, true, false)},
        {"moves past the last row", RasterJob([](PclWriter& w) {
             for (int move = 0; move < 22; ++move)
                 w.Parameter(99999999, 'y');
         })},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_THROW(qz_jobs::VerifyRasterJob(c.job), qz_jobs::JobFormatError);
    }
}

} // namespace
