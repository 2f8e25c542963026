// Both senders against a scripted spooler: every failure step, partial writes, and the
// guarantees that every started document is ended, every opened queue closed, and the bytes
// arrive once and in order.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "entry/job_output.h"
#include "platform/module_instance.h"
#include "fake_spooler.h"
#include "common/stored_job.h"
#include "resource_ids.h"

namespace {

char kQueue[] = "Fake Queue";

std::vector<unsigned char> Pattern(size_t size)
{
    std::vector<unsigned char> bytes(size);
    for (size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<unsigned char>(i * 7 + i / 251);
    return bytes;
}

std::vector<unsigned char> StoredJob(unsigned id)
{
    return StoredJobBytes(ModuleInstance, id);
}

// Every step that started something must have undone it.
void ExpectBalanced(const FakeSpoolerLog& log)
{
    EXPECT_LE(log.openedQueues, 1);
    EXPECT_EQ(log.closes, log.openedQueues);
    EXPECT_LE(log.startedDocs, 1);
    EXPECT_EQ(log.endDocs, log.startedDocs);
    EXPECT_EQ(log.endPages, log.startedPages);
}

class JobOutputFaults : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ModuleInstance = LoadLibraryA("QZW9SVB.dll"); }
    static void TearDownTestSuite() { FreeLibrary(ModuleInstance); }
};

} // namespace

TEST_F(JobOutputFaults, BufferSenderRetriesOpeningTenTimesASecondApart)
{
    const std::vector<unsigned char> bytes = Pattern(300);
    struct Case {
        int failures;
        int expectedResult;
        int expectedSleeps;
    } cases[] = {{0, 1, 0}, {1, 1, 1}, {2, 1, 2}, {9, 1, 9}, {10, 0, 10}};
    for (const Case& c : cases) {
        SCOPED_TRACE("open failures " + std::to_string(c.failures));
        FakeSpoolerScript script;
        script.openFailures = c.failures;
        FakeSpooler spooler(script);
        EXPECT_EQ(SendJobBuffer(kQueue, bytes.data(), static_cast<DWORD>(bytes.size())), c.expectedResult);
        const FakeSpoolerLog& log = spooler.Log();
        EXPECT_EQ(log.sleeps, c.expectedSleeps);
        EXPECT_EQ(log.sleptMs, 1000u * c.expectedSleeps);
        EXPECT_EQ(log.opens, c.failures < 10 ? c.failures + 1 : 10);
        EXPECT_EQ(log.bytes, c.expectedResult ? bytes : std::vector<unsigned char>());
        ExpectBalanced(log);
    }
}

TEST_F(JobOutputFaults, StoredSenderOpensOnceAndTouchesNothingForAMissingJob)
{
    {
        FakeSpoolerScript script;
        script.openFailures = 1;
        FakeSpooler spooler(script);
        EXPECT_EQ(SendStoredJob(kQueue, JOB_CLEAN_LEVEL1), 0);
        EXPECT_EQ(spooler.Log().opens, 1);
        EXPECT_EQ(spooler.Log().sleeps, 0);
        ExpectBalanced(spooler.Log());
    }
    for (unsigned missing : {JOB_COLOR_CALIBRATION, JOB_INK_GAUGE, JOB_ALIGN_PATTERN_A, JOB_ALIGN_PATTERN_B}) {
        SCOPED_TRACE(missing);
        FakeSpooler spooler;
        EXPECT_EQ(SendStoredJob(kQueue, missing), 0);
        EXPECT_EQ(spooler.Log().opens, 0);
    }
    FakeSpooler spooler; // only the low 16 bits of the id count
    EXPECT_NE(SendStoredJob(kQueue, 0x10000 + JOB_SELF_TEST), 0);
    EXPECT_EQ(spooler.Log().bytes, StoredJob(JOB_SELF_TEST));
}

TEST_F(JobOutputFaults, DocumentSteps)
{
    struct Case {
        const char* label;
        bool startDocFails;
        bool startPageFails;
        int failingWrite;
        DWORD bytesPerWrite;
        int expectedResult;
    } cases[] = {
        {"start document fails", true, false, 0, 0xFFFFFFFF, 0},
        {"start page fails", false, true, 0, 0xFFFFFFFF, 0},
        {"one byte per write", false, false, 0, 1, 1},
        {"seven bytes per write", false, false, 0, 7, 1},
        {"4096 bytes per write", false, false, 0, 4096, 1},
        {"write fails in the middle", false, false, 3, 7, 0},
        {"first write fails", false, false, 1, 0xFFFFFFFF, 0},
    };
    const std::vector<unsigned char> stored = StoredJob(JOB_TEST_PAGE);
    const std::vector<unsigned char> built = Pattern(5000);
    for (const Case& c : cases) {
        for (bool fromResources : {true, false}) {
            SCOPED_TRACE(std::string(c.label) + (fromResources ? ", stored job" : ", built buffer"));
            FakeSpoolerScript script;
            script.startDocFails = c.startDocFails;
            script.startPageFails = c.startPageFails;
            script.failingWrite = c.failingWrite;
            script.bytesPerWrite = c.bytesPerWrite;
            FakeSpooler spooler(script);
            const std::vector<unsigned char>& expected = fromResources ? stored : built;
            int result = fromResources ? SendStoredJob(kQueue, JOB_TEST_PAGE)
                                       : SendJobBuffer(kQueue, built.data(), static_cast<DWORD>(built.size()));
            const FakeSpoolerLog& log = spooler.Log();
            EXPECT_EQ(result != 0, c.expectedResult != 0);
            ExpectBalanced(log);
            EXPECT_EQ(log.documentName, "Printer Services");
            EXPECT_EQ(log.dataType, "RAW");
            // Whatever arrived is a prefix of the job: in order, nothing repeated.
            ASSERT_LE(log.bytes.size(), expected.size());
            EXPECT_TRUE(std::equal(log.bytes.begin(), log.bytes.end(), expected.begin()));
            if (c.expectedResult) {
                EXPECT_EQ(log.bytes.size(), expected.size());
            }
            if (c.bytesPerWrite == 7 && c.expectedResult) {
                EXPECT_EQ(log.writes, static_cast<int>((expected.size() + 6) / 7));
            }
        }
    }
}

TEST_F(JobOutputFaults, EmptyBufferStillMakesOneWrite)
{
    FakeSpooler spooler;
    EXPECT_NE(SendJobBuffer(kQueue, "", 0), 0);
    EXPECT_EQ(spooler.Log().writes, 1);
    EXPECT_TRUE(spooler.Log().bytes.empty());
    ExpectBalanced(spooler.Log());
}

TEST_F(JobOutputFaults, SpoolerThatTakesNothingEndsTheDocumentInsteadOfSpinning)
{
    FakeSpoolerScript script;
    script.bytesPerWrite = 0;
    FakeSpooler spooler(script);
    const std::vector<unsigned char> bytes = Pattern(10);
    EXPECT_EQ(SendJobBuffer(kQueue, bytes.data(), 10), 0);
    EXPECT_EQ(spooler.Log().writes, 1);
    ExpectBalanced(spooler.Log());
}
