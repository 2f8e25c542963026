// The test-page raster job read back by the verifier: every structural figure of the job, from the
// lead-in and the set-up offsets to the bands, transfers, data total, moves and trailer.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>
#include "raster_verifier.h"
#include "test_page_job.h"

namespace {

using qz_jobs::Bytes;

class TestPageJob : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        job_ = new Bytes(qz_jobs::BuildTestPageJob());
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
const Bytes* TestPageJob::job_ = nullptr;
const qz_jobs::RasterJobReport* TestPageJob::report_ = nullptr;

TEST_F(TestPageJob, SizeLeadInAndLanguage)
{
    EXPECT_EQ(213608u, report_->totalBytes);
    EXPECT_EQ(600u, report_->leadInNuls);
    EXPECT_EQ(std::vector<std::string>{"ENTER LANGUAGE=PCL3GUI"}, report_->pjlStatements);
}

TEST_F(TestPageJob, SetupCommandsSitAtTheirOffsets)
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

TEST_F(TestPageJob, RasterConfigurationOfFourComponents)
{
    const Bytes expected = {0x02, 0x04, 0x02, 0x58, 0x02, 0x58, 0x00, 0x02, 0x01, 0x2C, 0x01, 0x2C, 0x00,
                            0x04, 0x01, 0x2C, 0x01, 0x2C, 0x00, 0x04, 0x01, 0x2C, 0x01, 0x2C, 0x00, 0x04};
    EXPECT_EQ(expected, report_->setup[10].data);
    ASSERT_EQ(4u, report_->components.size());
    EXPECT_EQ(600, report_->components[0].horizontalDpi);
    EXPECT_EQ(600, report_->components[0].verticalDpi);
    EXPECT_EQ(2, report_->components[0].levels);
    for (std::size_t index = 1; index < 4; ++index) {
        EXPECT_EQ(300, report_->components[index].horizontalDpi);
        EXPECT_EQ(300, report_->components[index].verticalDpi);
        EXPECT_EQ(4, report_->components[index].levels);
    }
}

TEST_F(TestPageJob, BandsOfPrintedRows)
{
    constexpr unsigned kBlackOnly = 0x1, kAllComponents = 0xF;
    const std::vector<qz_jobs::RasterBand> expected = {
        {304, 412, kBlackOnly}, {526, 621, kBlackOnly}, {687, 733, kBlackOnly}, {746, 794, kBlackOnly},
        {803, 852, kBlackOnly}, {864, 920, kBlackOnly},
        {985, 1050, kAllComponents}, {1070, 1136, kAllComponents}};
    ASSERT_EQ(expected.size(), report_->bands.size());
    for (std::size_t index = 0; index < expected.size(); ++index) {
        SCOPED_TRACE("band " + std::to_string(index + 1));
        EXPECT_EQ(expected[index].firstRow, report_->bands[index].firstRow);
        EXPECT_EQ(expected[index].lastRow, report_->bands[index].lastRow);
        EXPECT_EQ(expected[index].componentsWithData, report_->bands[index].componentsWithData);
    }
}

TEST_F(TestPageJob, TransfersAndCompressedData)
{
    EXPECT_EQ(541u, report_->printedRows);
    EXPECT_EQ(4328u, report_->transfers);
    EXPECT_EQ(201808u, report_->compressedBytes);
    EXPECT_LE(report_->widestComponent1, 528u);
    EXPECT_LE(report_->widestColour, 179u);
    EXPECT_EQ(528u, report_->widestComponent1) << "the full-width rules reach the edge";
    EXPECT_EQ(179u, report_->widestColour) << "the colour ramps reach the edge";
}

TEST_F(TestPageJob, VerticalMovesAndEndOfRun)
{
    std::vector<std::pair<int, long>> expected = {
        {0, 112}, {112, 192}, {413, 113}, {622, 65}, {734, 12}, {795, 8}, {853, 11}, {921, 64}, {1051, 19}};
    for (int move = 0; move < 17; ++move)
        expected.emplace_back(1137 + 112 * move, 112);
    ASSERT_EQ(expected.size(), report_->moves.size());
    for (std::size_t index = 0; index < expected.size(); ++index) {
        EXPECT_EQ(expected[index].first, report_->moves[index].fromRow) << "move " << index;
        EXPECT_EQ(expected[index].second, report_->moves[index].rows) << "move " << index;
    }
    EXPECT_EQ(3041, report_->finalRow);
    EXPECT_EQ("0Y", report_->runEnd);
}

TEST_F(TestPageJob, TrailerEjectsThePageAndReturnsToPjl)
{
    EXPECT_EQ(213592u, report_->trailerOffset);
    const std::string trailer = "\x1B*rC\f\x1B" "E\x1B%-12345X";
    EXPECT_EQ(Bytes(trailer.begin(), trailer.end()), report_->trailer);
}

} // namespace
