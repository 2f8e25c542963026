// The capability singleton when the heap refuses it: every query answers its failure value,
// and the next call after the heap recovers creates the instance.
#include <gtest/gtest.h>

#include "platform/module_instance.h"
#include "os_services.h"
#include "qzw9svb/toolbox_cap.h"

namespace {

char kRealname[] = "QZ Kestrel 410 Printer";
char kModel[] = "Kestrel 410";

class ToolboxCapInstance : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The store is read from the library's resources.
        ModuleInstance = LoadLibraryA("QZW9SVB.dll");
        ASSERT_NE(ModuleInstance, nullptr);
        CToolboxCap::ExitInstance();
    }
    void TearDown() override
    {
        cs_os::FailHeapAfter(-1);
        CToolboxCap::ExitInstance();
        FreeLibrary(ModuleInstance);
    }
};

} // namespace

TEST_F(ToolboxCapInstance, QueriesAnswerZeroWithoutAnInstance)
{
    cs_os::FailHeapAfter(0);
    EXPECT_EQ(CToolboxCap::Instance(), nullptr);
    CISStringList list; // its collection takes no memory until an entry is added
    unsigned char buffer[600];
    ULONG size = 99;
    char realname[64] = "untouched";
    EXPECT_EQ(GetAllSupportedRealnames(&list), 0);
    EXPECT_EQ(GetDataSize(kRealname, CapRecordServiceType), 0u);
    EXPECT_EQ(GetDataFromSPC(kRealname, CapRecordServiceType, buffer, &size), 0);
    EXPECT_EQ(GetStrDataFromSPC(kRealname, 11, buffer, &size), 0);
    EXPECT_EQ(LoadEventTableFromSPC(kRealname, buffer, &size), 0);
    EXPECT_EQ(GetMibTypeFromSPC(kRealname), 0u);
    EXPECT_EQ(GetRealnameFromModel(realname, kModel), 0);
    EXPECT_EQ(size, 99u);
    EXPECT_STREQ(realname, "untouched");

    cs_os::FailHeapAfter(-1);
    EXPECT_NE(CToolboxCap::Instance(), nullptr);
    EXPECT_EQ(GetMibTypeFromSPC(kRealname), 1024u);
    EXPECT_EQ(GetRealnameFromModel(realname, kModel), 1);
    EXPECT_STREQ(realname, kRealname);
}

TEST_F(ToolboxCapInstance, StoreReadWithoutItsNameListsGivesNoNames)
{
    // The instance itself is made, but no list entry can be: the store then looks empty.
    cs_os::FailHeapAfter(1);
    CToolboxCap* cap = CToolboxCap::Instance();
    ASSERT_NE(cap, nullptr);
    cs_os::FailHeapAfter(-1);
    EXPECT_EQ(cap->GetPrinterBaseID(kRealname), 0);
    char realname[64] = "untouched";
    EXPECT_EQ(cap->GetRealnameFromModel(realname, kModel), 0);
    EXPECT_STREQ(realname, "untouched");
}
