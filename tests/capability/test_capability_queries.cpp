// The exported capability queries for the stored model and for names the store does not hold.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "qzw9svb.h"

namespace {

char kRealname[] = "QZ Kestrel 410 Printer";
char kLowerRealname[] = "qz kestrel 410 printer";
char kPrefixRealname[] = "QZ Kestrel 410";
char kUnknown[] = "Some Other Printer";

} // namespace

TEST(CapabilityQueries, RecordSizesOfTheStoredModel)
{
    EXPECT_EQ(GetDataSize(kRealname, CapRecordDirectory), 20u);
    EXPECT_EQ(GetDataSize(kRealname, CapRecordEventTable), 580u);
    EXPECT_EQ(GetDataSize(kRealname, CapRecordServiceType), 80u);
    EXPECT_EQ(GetDataSize(kRealname, 24), 0u); // listed in the directory, never stored
    EXPECT_EQ(GetDataSize(kRealname, CapRecordHardwarePictures), 0u);
    EXPECT_EQ(GetDataSize(kLowerRealname, CapRecordServiceType), 80u); // names match case-insensitively
}

TEST(CapabilityQueries, NamesOutsideTheStoreHaveNoRecords)
{
    for (char* name : {kUnknown, kPrefixRealname}) {
        SCOPED_TRACE(name);
        for (unsigned record : {21u, 22u, 23u, 25u})
            EXPECT_EQ(GetDataSize(name, record), 0u) << record;
        EXPECT_EQ(GetMibTypeFromSPC(name), 0u);
        ULONG size = 1234;
        unsigned char buffer[600];
        EXPECT_EQ(GetDataFromSPC(name, CapRecordEventTable, buffer, &size), 0);
        EXPECT_EQ(size, 1234u);
    }
}

TEST(CapabilityQueries, ServiceTypeRecordReadsWhole)
{
    unsigned char record[80];
    memset(record, 0xEE, sizeof(record));
    ULONG size = 0; // the size on entry is not consulted
    ASSERT_EQ(GetDataFromSPC(kRealname, CapRecordServiceType, record, &size), 1);
    EXPECT_EQ(size, 80u);
    ULONG words[20];
    memcpy(words, record, sizeof(words));
    const ULONG expected[20] = {0x10E, 3, 196, 200, 201, 0, 0, 1536, 1729, 1730,
                                0, 0, 2185, 4, 0, 7, 10, 2754, 12000, 1024};
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(words[i], expected[i]) << "offset " << i * 4;
    EXPECT_EQ(words[0] & 0x10, 0u); // no colour calibration
    EXPECT_EQ(GetMibTypeFromSPC(kRealname), 1024u);
}

TEST(CapabilityQueries, NullBufferReportsTheSizeOnly)
{
    ULONG size = 7;
    EXPECT_EQ(GetDataFromSPC(kRealname, CapRecordServiceType, nullptr, &size), 0);
    EXPECT_EQ(size, 80u);
    size = 7;
    EXPECT_EQ(GetDataFromSPC(kRealname, CapRecordHardwarePictures, nullptr, &size), 0);
    EXPECT_EQ(size, 7u); // absent record: the size stays as it was
}

TEST(CapabilityQueries, UnwritableBufferIsRefusedWhole)
{
    void* page = VirtualAlloc(nullptr, 4096, MEM_COMMIT | MEM_RESERVE, PAGE_READONLY);
    ASSERT_NE(page, nullptr);
    ULONG size = 0;
    EXPECT_EQ(GetDataFromSPC(kRealname, CapRecordEventTable, page, &size), 0);
    EXPECT_EQ(size, 580u);
    VirtualFree(page, 0, MEM_RELEASE);
}

TEST(CapabilityQueries, EventTableComesAsStored)
{
    unsigned char table[580];
    ULONG size = sizeof(table);
    ASSERT_EQ(LoadEventTableFromSPC(kRealname, table, &size), 1);
    EXPECT_EQ(size, 580u);
    ULONG entries[29][5];
    memcpy(entries, table, sizeof(entries));
    const ULONG events[29] = {1, 2, 3, 5, 9, 67, 59, 13, 14, 15, 16, 21, 22, 23, 24,
                              25, 26, 27, 28, 34, 63, 36, 37, 41, 42, 44, 56, 57, 140};
    for (int i = 0; i < 29; ++i) {
        SCOPED_TRACE(i + 1);
        EXPECT_EQ(entries[i][0], events[i]);
        EXPECT_LE(entries[i][1], 170u);
        EXPECT_TRUE(entries[i][2] >= 1 && entries[i][2] <= 3);
        EXPECT_EQ(entries[i][4], 1u);
    }
    const unsigned char firstCode[4] = {0x31, 0x37, 0x32, 0x26};
    const unsigned char lastCode[4] = {0x5A, 0x00, 0x14, 0x13};
    EXPECT_EQ(memcmp(table + 12, firstCode, 4), 0);
    EXPECT_EQ(memcmp(table + 28 * 20 + 12, lastCode, 4), 0);
    EXPECT_EQ(entries[22][3], 0xB4116364u); // entry 23: 64 63 11 B4
}

TEST(CapabilityQueries, StringRecordsAndModelNames)
{
    char buffer[64];
    ULONG capacity = sizeof(buffer);
    EXPECT_EQ(GetStrDataFromSPC(kRealname, 11, buffer, &capacity), 0); // answers 0 always
    EXPECT_STREQ(buffer, "Kestrel 410");
    EXPECT_EQ(GetStrDataFromSPC(kRealname, 0, buffer, &capacity), 0);
    EXPECT_STREQ(buffer, "QZ Kestrel 410 Printer");
    EXPECT_EQ(capacity, 64u);
    ULONG small = 5; // a longer string is cut to fit
    EXPECT_EQ(GetStrDataFromSPC(kRealname, 0, buffer, &small), 0);
    EXPECT_STREQ(buffer, "QZ K");

    char model[] = "kestrel 410";
    char firstWord[] = "Kestrel";
    char realname[64] = "untouched";
    EXPECT_EQ(GetRealnameFromModel(realname, firstWord), 0);
    EXPECT_STREQ(realname, "untouched");
    EXPECT_EQ(GetRealnameFromModel(realname, model), 1);
    EXPECT_STREQ(realname, "QZ Kestrel 410 Printer");
}

TEST(CapabilityQueries, SupportedRealnamesAreAppended)
{
    CISStringList list;
    EXPECT_EQ(GetAllSupportedRealnames(&list), 1);
    ASSERT_EQ(list.Count(), 1);
    EXPECT_STREQ(list.Find(1), "QZ Kestrel 410 Printer");

    CISStringList two;
    two.Add("first");
    two.Add("second");
    EXPECT_EQ(GetAllSupportedRealnames(&two), 1);
    EXPECT_EQ(two.Count(), 3);
    EXPECT_STREQ(two.Find(3), "QZ Kestrel 410 Printer");
    EXPECT_EQ(GetAllSupportedRealnames(nullptr), 0);
}

TEST(CapabilityQueries, SingletonIsRemadeAfterExit)
{
    CToolboxCap* first = CToolboxCap::Instance();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(CToolboxCap::Instance(), first);
    EXPECT_EQ(first->GetPrinterBaseID(kRealname), 10900);
    EXPECT_EQ(first->GetPrinterBaseID(kLowerRealname), 10900);
    EXPECT_EQ(first->GetPrinterBaseID(kPrefixRealname), 0);
    CToolboxCap::ExitInstance();
    EXPECT_EQ(GetMibTypeFromSPC(kRealname), 1024u); // a new instance answers
}

TEST(CapabilityQueries, BadArgumentsAnswerTheFailureValue)
{
    void* page = VirtualAlloc(nullptr, 4096, MEM_RESERVE, PAGE_NOACCESS); // neither readable nor writable
    ASSERT_NE(page, nullptr);
    char* unreadable = static_cast<char*>(page);
    unsigned char buffer[600];
    ULONG size = 5;

    EXPECT_EQ(GetDataSize(nullptr, CapRecordServiceType), 0u);
    EXPECT_EQ(GetDataSize(unreadable, CapRecordServiceType), 0u);
    EXPECT_EQ(GetMibTypeFromSPC(unreadable), 0u);
    EXPECT_EQ(GetDataFromSPC(unreadable, CapRecordServiceType, buffer, &size), 0);
    EXPECT_EQ(size, 5u);

    // A null or unwritable size value is simply not written; the copy still happens.
    EXPECT_EQ(GetDataFromSPC(kRealname, CapRecordServiceType, buffer, nullptr), 1);
    EXPECT_EQ(GetDataFromSPC(kRealname, CapRecordServiceType, buffer, reinterpret_cast<ULONG*>(page)), 1);
    EXPECT_EQ(GetStrDataFromSPC(kRealname, 11, buffer, nullptr), 0);
    EXPECT_EQ(GetStrDataFromSPC(kRealname, 11, unreadable, &size), 0);

    // Record numbers that would carry the id past 16 bits name nothing, not a wrapped-around record.
    EXPECT_EQ(GetDataSize(kRealname, 0x10000 + CapRecordServiceType), 0u);
    EXPECT_EQ(GetDataSize(kRealname, 65536 - 10900 + CapRecordServiceType), 0u);
    EXPECT_EQ(GetDataFromSPC(kRealname, 0xFFFFFFFFu, buffer, &size), 0);

    char realname[64] = "untouched";
    EXPECT_EQ(GetRealnameFromModel(realname, unreadable), 0);
    EXPECT_EQ(GetRealnameFromModel(realname, nullptr), 0);
    EXPECT_EQ(GetRealnameFromModel(unreadable, const_cast<char*>("Kestrel 410")), 0);
    EXPECT_STREQ(realname, "untouched");
    VirtualFree(page, 0, MEM_RELEASE);
}
