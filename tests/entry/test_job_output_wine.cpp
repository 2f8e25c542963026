// Both senders against Wine's real spooler: the spooled file holds exactly the job's bytes.
#include <gtest/gtest.h>

#include <vector>

#include "entry/job_output.h"
#include "platform/module_instance.h"
#include "platform/spooler.h"
#include "common/stored_job.h"
#include "resource_ids.h"
#include "common/environment.h"
#include "test_queue.h"

namespace {

std::vector<unsigned char> StoredJob(unsigned id)
{
    return StoredJobBytes(ModuleInstance, id);
}

int g_sleeps = 0;
void WINAPI CountSleep(DWORD)
{
    ++g_sleeps;
}

class JobOutputWine : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ModuleInstance = LoadLibraryA("QZW9SVB.dll"); }
    static void TearDownTestSuite() { FreeLibrary(ModuleInstance); }
};

} // namespace

TEST_F(JobOutputWine, StoredJobsArriveByteForByte)
{
    TestQueue queue("QZ Stored Jobs", "QZ Kestrel 410 Printer");
    QZ_SKIP_WITHOUT_QUEUE(queue);
    for (unsigned id : {JOB_CLEAN_LEVEL1, JOB_ALIGNMENT, JOB_TEST_PAGE}) {
        SCOPED_TRACE(id);
        ASSERT_NE(SendStoredJob(queue.Name().c_str(), id), 0);
        std::vector<unsigned char> expected = StoredJob(id);
        ASSERT_FALSE(expected.empty());
        EXPECT_EQ(queue.Spooled(), expected); // each document replaces the file
    }
}

TEST_F(JobOutputWine, BuiltBufferArrivesByteForByte)
{
    TestQueue queue("QZ Built Jobs", "QZ Kestrel 410 Printer");
    QZ_SKIP_WITHOUT_QUEUE(queue);
    std::vector<unsigned char> bytes(70000);
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<unsigned char>(i % 253);
    ASSERT_NE(SendJobBuffer(queue.Name().c_str(), bytes.data(), static_cast<DWORD>(bytes.size())), 0);
    EXPECT_EQ(queue.Spooled(), bytes);
}

TEST_F(JobOutputWine, MissingQueueIsTriedTenTimes)
{
    SpoolerCalls calls = Spooler(); // the real spooler, but sleeps are only counted
    calls.sleep = CountSleep;
    ReplaceSpoolerCalls(&calls);
    g_sleeps = 0;
    EXPECT_EQ(SendJobBuffer("QZ No Such Queue", "x", 1), 0);
    EXPECT_EQ(g_sleeps, 10);
    EXPECT_EQ(SendStoredJob("QZ No Such Queue", JOB_CLEAN_LEVEL2), 0);
    EXPECT_EQ(g_sleeps, 10); // the stored sender tries once and never sleeps
    ReplaceSpoolerCalls(nullptr);
}
