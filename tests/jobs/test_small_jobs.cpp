// The cleaning and print-mode jobs read back: framing, body commands at their offsets, and the PML
// command whose data length is the n of its ESC &b<n>W.
#include <gtest/gtest.h>

#include <string>
#include <vector>
#include "job_catalogue.h"
#include "stored_job_verifier.h"

namespace {

using qz_jobs::Bytes;

struct SmallJobCase {
    qz_jobs::StoredJobId id;
    std::size_t size;
    std::string language;
    std::size_t pmlLength;
    Bytes objectId;
    Bytes value;
    std::size_t trailerOffset;
};

const Bytes kCleaningObject = {0x01, 0x04, 0x01, 0x05, 0x01, 0x01};
const Bytes kModeObject = {0x01, 0x01, 0x05, 0x02};

const std::vector<SmallJobCase> kSmallJobs = {
    {qz_jobs::kJobCleaningLevel1, 170, "PCL3", 17, kCleaningObject, {0x01, 0x2C}, 150},
    {qz_jobs::kJobCleaningLevel2, 169, "PCL3", 16, kCleaningObject, {0x64}, 149},
    {qz_jobs::kJobCleaningLevel3, 169, "PCL3", 16, kCleaningObject, {0xC8}, 149},
    {qz_jobs::kJobAlignmentMode, 106, "PCL3GUI", 15, kModeObject, {0x04, 0x4C}, 86},
    {qz_jobs::kJobSelfTestMode, 106, "PCL3GUI", 15, kModeObject, {0x00, 0x04}, 86},
};

qz_jobs::StoredJobReport Verify(const SmallJobCase& job)
{
    return qz_jobs::VerifyStoredJob(qz_jobs::BuildCatalogueEntry(job.id, QZ_NOTICE_SOURCES));
}

TEST(SmallJobs, FramingSizeAndPmlCommand)
{
    for (const SmallJobCase& job : kSmallJobs) {
        SCOPED_TRACE("job " + std::to_string(job.id));
        const Bytes bytes = qz_jobs::BuildCatalogueEntry(job.id, QZ_NOTICE_SOURCES);
        EXPECT_EQ(job.size, bytes.size());
        const qz_jobs::StoredJobReport report = qz_jobs::VerifyStoredJob(bytes);
        EXPECT_EQ("unnamed", report.jobName);
        EXPECT_EQ(job.language, report.language);
        EXPECT_EQ(job.pmlLength, report.pmlDeclaredLength);
        EXPECT_EQ(job.objectId, report.pml.objectId);
        EXPECT_EQ(qz_jobs::kPmlIntegerValue, report.pml.value.type);
        EXPECT_EQ(job.value, report.pml.value.bytes);
        EXPECT_EQ(job.trailerOffset, report.trailerOffset);
        EXPECT_EQ(job.size - 20, report.trailerOffset) << "trailer is ESC E, the universal exit and @PJL EOJ";
    }
}

TEST(SmallJobs, CleaningBodiesFollowTheirLayout)
{
    for (std::size_t index = 0; index < 3; ++index) {
        const SmallJobCase& job = kSmallJobs[index];
        SCOPED_TRACE("job " + std::to_string(job.id));
        const std::string pml = "&b" + std::to_string(job.pmlLength) + "W";
        const std::size_t afterPml = 107 + 6 + job.pmlLength;
        const std::vector<std::pair<std::size_t, std::string>> expected = {
            {60, "*o5W"}, {70, "&l2A"}, {75, "text(2)"}, {77, "*o5W"}, {87, "&l1H"}, {92, "&l0M"},
            {97, "*o5W"}, {107, pml}, {afterPml, "*o5W"}, {afterPml + 10, "*o5W"}};
        const qz_jobs::StoredJobReport report = Verify(job);
        ASSERT_EQ(expected.size(), report.body.size());
        for (std::size_t element = 0; element < expected.size(); ++element) {
            EXPECT_EQ(expected[element].first, report.body[element].offset) << "element " << element;
            EXPECT_EQ(expected[element].second, report.body[element].command) << "element " << element;
        }
        EXPECT_EQ((Bytes{0x0A, 0x0A, 0x00, 0x00, 0x01}), report.body[0].data);
        EXPECT_EQ((Bytes{0x00, 0x00}), report.body[2].data);
        EXPECT_EQ((Bytes{0x08, 0x02, 0x00, 0x00, 0x00}), report.body[3].data);
        EXPECT_EQ((Bytes{0x08, 0x03, 0x00, 0x00, 0x00}), report.body[6].data);
        EXPECT_EQ((Bytes{0x07, 0x06, 0x00, 0x00, 0x01}), report.body[8].data);
        EXPECT_EQ((Bytes{0x08, 0x03, 0x00, 0x00, 0x01}), report.body[9].data);
    }
}

TEST(SmallJobs, ModeBodiesAreAResetAndThePmlCommand)
{
    for (std::size_t index = 3; index < kSmallJobs.size(); ++index) {
        SCOPED_TRACE("job " + std::to_string(kSmallJobs[index].id));
        const qz_jobs::StoredJobReport report = Verify(kSmallJobs[index]);
        ASSERT_EQ(2u, report.body.size());
        EXPECT_EQ(63u, report.body[0].offset);
        EXPECT_EQ("E", report.body[0].command);
        EXPECT_EQ(65u, report.body[1].offset);
        EXPECT_EQ("&b15W", report.body[1].command);
    }
}

TEST(SmallJobs, VerifierRejectsBrokenFraming)
{
    const Bytes good = qz_jobs::BuildCatalogueEntry(qz_jobs::kJobCleaningLevel1, QZ_NOTICE_SOURCES);
    Bytes noEndOfJob(good.begin(), good.end() - 9);
    EXPECT_THROW(qz_jobs::VerifyStoredJob(noEndOfJob), qz_jobs::JobFormatError);
    Bytes noReset(good.begin() + 2, good.end());
    EXPECT_THROW(qz_jobs::VerifyStoredJob(noReset), qz_jobs::JobFormatError);
    Bytes shortPml = good;
    shortPml[107 + 4] = '6'; // ESC &b16W: the PML value item loses its last byte to the next command
    EXPECT_THROW(qz_jobs::VerifyStoredJob(shortPml), qz_jobs::JobFormatError);
}

} // namespace
