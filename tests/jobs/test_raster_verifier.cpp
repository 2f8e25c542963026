// The PCL parser and the raster verifier on small crafted jobs: what a well-formed run reports, and
// each way a run or an escape sequence can be broken.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>
#include <vector>
#include "method2_codec.h"
#include "pcl_parser.h"
#include "pcl_writer.h"
#include "pjl_job.h"
#include "raster_verifier.h"

namespace {

using qz_jobs::Bytes;
using qz_jobs::PclWriter;
using Planes = std::array<Bytes, 8>;

Bytes Stream(const std::string& text)
{
    return Bytes(text.begin(), text.end());
}

// A raster job whose ESC *b run holds what writeRun writes, closed by 0Y.
Bytes RasterJob(const std::function<void(PclWriter&)>& writeRun, bool setMethod2 = true, bool endRaster = true)
{
    PclWriter writer;
    writer.Reset();
    writer.UniversalExit();
    qz_jobs::WritePjlLine(writer, "ENTER LANGUAGE=PCL3GUI");
    writer.Command("*r", 1, 'A');
    if (setMethod2)
        writer.Command("*b", 2, 'M');
    writer.BeginCombined("*b");
    writeRun(writer);
    writer.Parameter(0, 'Y');
    if (endRaster)
        writer.Command("*r", 'C');
    writer.Reset();
    return writer.TakeStream();
}

void WriteRow(PclWriter& writer, const Planes& planes, std::size_t planeCount = 8)
{
    for (std::size_t plane = 0; plane < planeCount; ++plane)
        writer.DataParameter(planes[plane], plane + 1 < planeCount ? 'v' : 'w');
}

const Bytes kBlack = qz_jobs::CompressMethod2(Bytes(10, 0xFF));
const Bytes kColour = qz_jobs::CompressMethod2(Bytes{0x12, 0x34, 0x56});
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
    EXPECT_EQ(0u, report.leadInNuls);
    ASSERT_EQ(3u, report.bands.size());
    EXPECT_EQ(3, report.bands[0].firstRow);
    EXPECT_EQ(4, report.bands[0].lastRow);
    EXPECT_EQ(0x1u, report.bands[0].componentsWithData);
    EXPECT_EQ(5, report.bands[1].firstRow);
    EXPECT_EQ(0xFu, report.bands[1].componentsWithData);
    EXPECT_EQ(8, report.bands[2].firstRow);
    ASSERT_EQ(2u, report.moves.size());
    EXPECT_EQ(6, report.moves[1].fromRow);
    EXPECT_EQ(9, report.finalRow);
    EXPECT_EQ(4u, report.printedRows);
    EXPECT_EQ(32u, report.transfers);
    EXPECT_EQ(6 * kBlack.size() + 8 * kColour.size(), report.compressedBytes);
    EXPECT_EQ(10u, report.widestComponent1);
    EXPECT_EQ(3u, report.widestColour);
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
                 w.DataParameter(kBlack, 'v');
             w.DataParameter(kBlack, 'w');
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

TEST(PclParser, DescribesCommandsAndSkipsDataByLength)
{
    const Bytes stream = Stream("\x1B" "E\x1B%-12345X@PJL\n\x1B&l-2H\x1B*rC\x1B*b3v\x1B\x1B\x1B" "2W\x1BZ\f");
    const std::vector<qz_jobs::PclElement> elements = qz_jobs::ParsePcl(stream);
    std::vector<std::string> described;
    for (const qz_jobs::PclElement& element : elements)
        described.push_back(qz_jobs::Describe(element));
    const std::vector<std::string> expected = {"E", "%-12345X", "text(5)", "&l-2H", "*rC", "*b3v2W", "text(1)"};
    EXPECT_EQ(expected, described);
    EXPECT_EQ(Bytes({0x1B, 'Z'}), qz_jobs::ParameterData(stream, elements[5].parameters[1]));
}

TEST(PclParser, RejectsMalformedSequences)
{
    const std::vector<std::string> streams = {
        "\x1B",                  // nothing after ESC
        "\x1B\x01",              // no command starts with a control byte
        "\x1B&l2",               // parameter without its letter
        "\x1B&l2#",              // parameter ended by a non-letter
        "\x1B*o5W\x01\x02",      // data cut short
        "\x1B*b1v",              // combined run cut short
    };
    for (const std::string& text : streams) {
        SCOPED_TRACE(testing::PrintToString(text));
        EXPECT_THROW(qz_jobs::ParsePcl(Stream(text)), qz_jobs::JobFormatError);
    }
}

} // namespace
