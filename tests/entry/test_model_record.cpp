// ReadModelRecord and the busy flag, with the services linked in and the spooler scripted or real.
#include <gtest/gtest.h>

#include <cstring>

#include "capability/model_record.h"
#include "entry/service_guard.h"
#include "platform/module_instance.h"
#include "fake_spooler.h"
#include "qzw9svb/services.h"
#include "qzw9svb/toolbox_cap.h"
#include "common/environment.h"
#include "test_queue.h"

namespace {

class ModelRecord : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ModuleInstance = LoadLibraryA("QZW9SVB.dll"); }
    static void TearDownTestSuite() { FreeLibrary(ModuleInstance); }

    static ULONG Word(const unsigned char* record, int offset)
    {
        ULONG value;
        memcpy(&value, record + offset, sizeof(value));
        return value;
    }
};

} // namespace

TEST_F(ModelRecord, DriverNameOfARealQueueSelectsTheModel)
{
    TestQueue known("QZ Record Known", "QZ Kestrel 410 Printer");
    TestQueue unknown("QZ Record Unknown", "QZ Unlisted Model");
    QZ_SKIP_WITHOUT_QUEUE(known);
    QZ_SKIP_WITHOUT_QUEUE(unknown);
    unsigned char record[80];
    memset(record, 0xAA, sizeof(record));
    EXPECT_TRUE(ReadModelRecord(known.Name().c_str(), CapRecordServiceType, record, sizeof(record)));
    EXPECT_EQ(Word(record, 60), 7u);  // cleaning type
    EXPECT_EQ(Word(record, 64), 10u); // self-test type
    EXPECT_EQ(Word(record, 76), 1024u);

    memset(record, 0xAA, sizeof(record)); // an unsupported driver reads nothing: all zero
    EXPECT_TRUE(ReadModelRecord(unknown.Name().c_str(), CapRecordServiceType, record, sizeof(record)));
    for (unsigned char byte : record)
        EXPECT_EQ(byte, 0);
}

TEST_F(ModelRecord, UnreadableQueueFallsBackToTheFirstModel)
{
    unsigned char record[80];
    EXPECT_FALSE(ReadModelRecord("QZ No Such Queue", CapRecordServiceType, record, sizeof(record)));
    EXPECT_EQ(Word(record, 60), 7u);
    EXPECT_FALSE(ReadModelRecord(nullptr, CapRecordServiceType, record, sizeof(record)));
    EXPECT_EQ(Word(record, 76), 1024u);

    FakeSpoolerScript script; // opens, but reports no level-2 information
    script.level2Readable = false;
    FakeSpooler spooler(script);
    memset(record, 0, sizeof(record));
    EXPECT_FALSE(ReadModelRecord("Fake", CapRecordServiceType, record, sizeof(record)));
    EXPECT_EQ(Word(record, 64), 10u);
    EXPECT_EQ(spooler.Log().closes, 1);
}

TEST_F(ModelRecord, MissingRecordLeavesTheBufferZero)
{
    FakeSpooler spooler;
    unsigned char pictures[8];
    memset(pictures, 0x55, sizeof(pictures));
    EXPECT_TRUE(ReadModelRecord("Fake", CapRecordHardwarePictures, pictures, sizeof(pictures)));
    for (unsigned char byte : pictures)
        EXPECT_EQ(byte, 0);
}

TEST_F(ModelRecord, BusyServiceOpensNoQueue)
{
    FakeSpooler spooler;
    ServiceBusy = 1; // another service holds the flag
    char queue[] = "Fake";
    EXPECT_EQ(PrintInkGauge(queue, nullptr, 0, nullptr), 0);
    EXPECT_EQ(spooler.Log().opens, 0);
    EXPECT_EQ(ServiceBusy, 1); // left to its holder
    ServiceBusy = 0;
    EXPECT_EQ(PrintInkGauge(queue, nullptr, 0, nullptr), 1);
    EXPECT_EQ(ServiceBusy, 0);
}
