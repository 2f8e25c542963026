// The stored jobs as the built DLL carries them: the small jobs equal the bytes built from
// their commands, and the test page reads back with every figure of its layout.
#include <gtest/gtest.h>
#include <windows.h>

#include "raster_verifier.h"
#include "common/stored_job.h"
#include "resource_ids.h"
#include "printer/pml_objects.h"
#include "stored_jobs.h"

namespace {

qz_jobs::Bytes CarriedJob(HMODULE dll, unsigned id)
{
    return StoredJobBytes(dll, id);
}

class CarriedJobs : public ::testing::Test {
protected:
    static void SetUpTestSuite() { dll_ = LoadLibraryExA("QZW9SVB.dll", nullptr, LOAD_LIBRARY_AS_DATAFILE); }
    static void TearDownTestSuite() { FreeLibrary(dll_); }
    static HMODULE dll_;
};

HMODULE CarriedJobs::dll_ = nullptr;

} // namespace

TEST_F(CarriedJobs, SmallJobsEqualTheirCommands)
{
    ASSERT_NE(dll_, nullptr);
    EXPECT_EQ(CarriedJob(dll_, JOB_CLEAN_LEVEL1), qz_jobs::BuildCleaningJob(kCleaningStrengths[0]));
    EXPECT_EQ(CarriedJob(dll_, JOB_CLEAN_LEVEL2), qz_jobs::BuildCleaningJob(kCleaningStrengths[1]));
    EXPECT_EQ(CarriedJob(dll_, JOB_CLEAN_LEVEL3), qz_jobs::BuildCleaningJob(kCleaningStrengths[2]));
    EXPECT_EQ(CarriedJob(dll_, JOB_ALIGNMENT), qz_jobs::BuildPageModeJob(kAlignmentPageMode));
    EXPECT_EQ(CarriedJob(dll_, JOB_SELF_TEST), qz_jobs::BuildPageModeJob(kSelfTestPageMode));
}

TEST_F(CarriedJobs, TestPageReadsBackWithItsLayout)
{
    qz_jobs::Bytes page = CarriedJob(dll_, JOB_TEST_PAGE);
    ASSERT_EQ(page.size(), 213608u);
    qz_jobs::RasterJobReport report = qz_jobs::VerifyRasterJob(page);
    const RasterPageSummary& raster = report.page;
    EXPECT_EQ(report.leadInNuls, 600u);
    EXPECT_EQ(report.runOffset, 760u);
    EXPECT_EQ(report.runEnd, "0Y");
    EXPECT_EQ(raster.printedRows, 541u);
    EXPECT_EQ(raster.transfers, 4328u);
    EXPECT_EQ(raster.compressedBytes, 201808u);
    EXPECT_LE(raster.widestPlane[0], 528u);
    for (std::size_t colour = 1; colour < 4; ++colour)
        EXPECT_LE(raster.widestPlane[colour], 179u);
    EXPECT_EQ(report.trailerOffset, 213592u);
    EXPECT_EQ(raster.rows, 3041u);
    const unsigned bands[8][3] = {{304, 412, 1}, {526, 621, 1}, {687, 733, 1}, {746, 794, 1},
                                  {803, 852, 1}, {864, 920, 1}, {985, 1050, 15}, {1070, 1136, 15}};
    ASSERT_EQ(raster.bands.size(), 8u);
    for (int i = 0; i < 8; ++i) {
        SCOPED_TRACE(i + 1);
        EXPECT_EQ(raster.bands[i].firstRow, bands[i][0]);
        EXPECT_EQ(raster.bands[i].lastRow, bands[i][1]);
        EXPECT_EQ(raster.bands[i].componentsWithInk, bands[i][2]);
    }
}
