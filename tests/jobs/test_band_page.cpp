// The raster job of the page of test bands read back by the verifier: every structural figure of the job, from the
// lead-in and the set-up offsets to the bands, transfers, data total, moves and trailer.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>
#include "raster_verifier.h"
#include "band_page_job.h"

namespace {

using qz_jobs::Bytes;

class BandPageJob : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        job_ = new Bytes(qz_jobs::BuildBandPageJob());
        report_ = new qz_jobs::RasterJobReport(qz_jobs::VerifyRasterJob(*job_));
    }
    static void TearDownTestSuite()
    {
        delete report_;
        delete job_;
    }
    static const Bytes* job_;
    static const qz_jobs::RasterJobReport* report_;
};
const Bytes* BandPageJob::job_ = nullptr;
const qz_jobs::RasterJobReport* BandPageJob::report_ = nullptr;

TEST_F(BandPageJob, SizeLeadInAndLanguage)
{
    EXPECT_EQ(213608u, report_->totalBytes);
    EXPECT_EQ(600u, report_->leadInNuls);
    EXPECT_EQ(std::vector<std::string>{"ENTER LANGUAGE=PCL3GUI"}, report_->pjlStatements);
}

TEST_F(BandPageJob, SetupCommandsSitAtTheirOffsets)
{
    const std::vector<std::pair<std::size_t, std::string>> expected = {
        {639, "&l1H"}, {644, "*o7W"}, {656, "&l2A"}, {661, "&l-2H"}, {667, "&l0M"}, {672, "*o5W"},
        {682, "*o0M"}, {687, "&u300D"}, {694, "*p0X"}, {699, "*p0Y"}, {704, "*g26W"}, {736, "*r1A"},
        {741, "*b2M"}, {746, "*b112Y"}, {753, "*b192Y"}};
    ASSERT_EQ(expected.size(), report_->setup.size());
    for (std::size_t index = 0; index < expected.size(); ++index) {
        EXPECT_EQ(expected[index].first, report_->setup[index].offset) << expected[index].second;
        EXPECT_EQ(expected[index].second, report_->setup[index].command);
    }
    EXPECT_EQ((Bytes{0x08, 0x09, 0x00, 0x00, 0x07, 0x00, 0x01}), report_->setup[1].data);
    EXPECT_EQ((Bytes{0x07, 0x08, 0x00, 0x00, 0x02}), report_->setup[5].data);
    EXPECT_EQ(2, report_->compressionMethod);
    EXPECT_EQ(760u, report_->runOffset);
}

TEST_F(BandPageJob, RasterConfigurationOfFourComponents)
{
    const Bytes expected = {0x02, 0x04, 0x02, 0x58, 0x02, 0x58, 0x00, 0x02, 0x01, 0x2C, 0x01, 0x2C, 0x00,
                            0x04, 0x01, 0x2C, 0x01, 0x2C, 0x00, 0x04, 0x01, 0x2C, 0x01, 0x2C, 0x00, 0x04};
    EXPECT_EQ(expected, report_->setup[10].data);
    const RasterFormat& format = report_->page.format;
    ASSERT_EQ(4u, format.count);
    EXPECT_EQ(600, format.components[0].xDpi);
    EXPECT_EQ(600, format.components[0].yDpi);
    EXPECT_EQ(2, format.components[0].levels);
    for (std::size_t index = 1; index < 4; ++index) {
        EXPECT_EQ(300, format.components[index].xDpi);
        EXPECT_EQ(300, format.components[index].yDpi);
        EXPECT_EQ(4, format.components[index].levels);
    }
}

TEST_F(BandPageJob, BandsOfPrintedRows)
{
    constexpr unsigned kBlackOnly = 0x1, kAllComponents = 0xF;
    const std::vector<RasterBand> expected = {
        {304, 412, kBlackOnly}, {526, 621, kBlackOnly}, {687, 733, kBlackOnly}, {746, 794, kBlackOnly},
        {803, 852, kBlackOnly}, {864, 920, kBlackOnly},
        {985, 1050, kAllComponents}, {1070, 1136, kAllComponents}};
    const std::vector<RasterBand>& bands = report_->page.bands;
    ASSERT_EQ(expected.size(), bands.size());
    for (std::size_t index = 0; index < expected.size(); ++index) {
        SCOPED_TRACE("band " + std::to_string(index + 1));
        EXPECT_EQ(expected[index].firstRow, bands[index].firstRow);
        EXPECT_EQ(expected[index].lastRow, bands[index].lastRow);
        EXPECT_EQ(expected[index].componentsWithInk, bands[index].componentsWithInk);
    }
}

TEST_F(BandPageJob, TransfersAndCompressedData)
{
    const RasterPageSummary& page = report_->page;
    EXPECT_EQ(541u, page.printedRows);
    EXPECT_EQ(4328u, page.transfers);
    EXPECT_EQ(201808u, page.compressedBytes);
    EXPECT_EQ(528u, page.widestPlane[0]) << "the full-width rules reach the edge";
    for (std::size_t colour = 1; colour < 4; ++colour)
        EXPECT_EQ(179u, page.widestPlane[colour]) << "the colour ramps reach the edge";
}

TEST_F(BandPageJob, VerticalMovesAndEndOfRun)
{
    std::vector<std::pair<unsigned, unsigned>> expected = {
        {0, 112}, {112, 192}, {413, 113}, {622, 65}, {734, 12}, {795, 8}, {853, 11}, {921, 64}, {1051, 19}};
    for (int move = 0; move < 17; ++move)
        expected.emplace_back(1137 + 112 * move, 112);
    const std::vector<RasterMoveMade>& moves = report_->page.moves;
    ASSERT_EQ(expected.size(), moves.size());
    for (std::size_t index = 0; index < expected.size(); ++index) {
        EXPECT_EQ(expected[index].first, moves[index].fromRow) << "move " << index;
        EXPECT_EQ(expected[index].second, moves[index].rows) << "move " << index;
    }
    EXPECT_EQ(3041u, report_->page.rows);
    EXPECT_EQ("0Y", report_->runEnd);
}

TEST_F(BandPageJob, TrailerEjectsThePageAndReturnsToPjl)
{
    EXPECT_EQ(213592u, report_->trailerOffset);
    const std::string trailer = "\x1B*rC\f\x1B" "E\x1B%-12345X";
    EXPECT_EQ(Bytes(trailer.begin(), trailer.end()), report_->trailer);
}

} // namespace
