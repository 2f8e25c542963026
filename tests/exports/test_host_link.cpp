// A host built against the public header and the import library: the exported classes and
// functions link and work across the DLL boundary.
#include <gtest/gtest.h>

#include "qzw9svb.h"

TEST(HostLink, CollectionHandsOutAndTakesBackBlocks)
{
    CSMemCollection* collection = new CSMemCollection(100);
    unsigned char* data = nullptr;
    ASSERT_EQ(collection->NewBlockPtrA(60, CSMemBlockZeroInit | CSMemBlockAlign8, &data, nullptr, 0), 0);
    EXPECT_EQ(reinterpret_cast<uintptr_t>(data) % 8, 0u);
    EXPECT_EQ(data[59], 0);
    CSMemBlock* block = nullptr;
    EXPECT_EQ(collection->NewBlockA(50, 0, &block, nullptr, 0), CSBlockErrLimit);
    EXPECT_EQ(collection->GetAmountFree(), 40u);
    EXPECT_EQ(collection->DeleteBlockPtr(data), 0);
    EXPECT_EQ(collection->GetAmountAllocated(), 0u);
    delete collection;
}

TEST(HostLink, ListKeepsInsertionOrderThroughItsIterator)
{
    int a = 1, b = 2, c = 3;
    CSList list;
    CSListIterator it(list);
    ASSERT_EQ(list.Append(it, &a), 0);
    ASSERT_EQ(list.Append(it.Tail(), &b), 0);
    ASSERT_EQ(list.Insert(it.Head(), &c), 0);
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.Peek(it.Head()), &c);
    EXPECT_EQ(list.Peek(it[2]), &b);
    EXPECT_EQ(it.Ord(), 2);
}

TEST(HostLink, StringsAndTextConversions)
{
    char buffer[16];
    EXPECT_STREQ(CSInttotext(-2147483647 - 1, buffer), "-2147483648");
    EXPECT_EQ(CSTexttoint("  -12abc"), -12);
    EXPECT_EQ(CSiStrlen("abc"), 3u);
}
