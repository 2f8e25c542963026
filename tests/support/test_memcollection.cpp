// Memory collections: accounts with and without a limit, deleting by block and by data address
// with locks left as they were, and locked blocks that outlive their collection.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "os_services.h"
#include "qzw9svb/cs_memblock.h"
#include "qzw9svb/cs_memutil.h"

// The destructors are not virtual by design; every delete here names the exact type.
#pragma GCC diagnostic ignored "-Wdelete-non-virtual-dtor"

namespace {

class MemCollectionTest : public testing::Test {
protected:
    void TearDown() override { cs_os::FailHeapAfter(-1); }
};

TEST_F(MemCollectionTest, LimitedCollectionAccountsAgainstItsLimit)
{
    CSMemCollection collection(100);
    CSMemBlock *first = nullptr, *second = nullptr;
    EXPECT_EQ(CSBlockErrAlloc, collection.NewBlockA(0, 0, &first, nullptr, 0));
    ASSERT_EQ(0, collection.NewBlockA(60, 0, &first, nullptr, 0));
    EXPECT_EQ(CSBlockErrLimit, collection.NewBlockA(50, 0, &second, nullptr, 0));
    EXPECT_EQ(nullptr, second);
    EXPECT_EQ(60u, collection.GetAmountAllocated());
    EXPECT_EQ(40u, collection.GetAmountFree());
    EXPECT_EQ(100u, collection.GetTotalAmount());
    EXPECT_EQ(CSBlockErrLimit, first->ReAllocate(101, 0));
    ASSERT_EQ(0, first->ReAllocate(25, 0));
    EXPECT_EQ(25u, collection.GetAmountAllocated());
    EXPECT_EQ(0, collection.DeleteBlock(first));
    EXPECT_EQ(0, collection.NewBlockA(50, 0, &second, nullptr, 0));
    EXPECT_EQ(50u, collection.GetAmountAllocated());
}

TEST_F(MemCollectionTest, RequestsNearFourGigabytesDoNotWrapPastTheLimit)
{
    CSMemCollection collection(100);
    CSMemBlock *small = nullptr, *large = nullptr;
    ASSERT_EQ(0, collection.NewBlockA(20, 0, &small, nullptr, 0));
    ASSERT_EQ(0, collection.NewBlockA(40, 0, &large, nullptr, 0));
    CSMemBlock* block = nullptr;
    unsigned char* data = nullptr;
    const struct {
        const char* label;
        std::function<LONG()> request;
    } cases[] = {
        {"new block", [&] { return collection.NewBlockA(0xFFFFFFFFu - 30, 0, &block, nullptr, 0); }},
        {"new block pointer", [&] { return collection.NewBlockPtrA(0u - 60, 0, &data, nullptr, 0); }},
        {"increase", [&] { return collection.IncAllocation(0u - 50); }},
        {"growing block", [&] { return large->ReAllocate(0xFFFFFFF0u, 0); }},
    };
    // Refused before any memory is sought: with the heap refusing, anything else answers -100.
    cs_os::FailHeapAfter(0);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(CSBlockErrLimit, c.request());
        EXPECT_EQ(60u, collection.GetAmountAllocated());
        EXPECT_EQ(40u, large->GetSize());
    }
}

TEST_F(MemCollectionTest, UnlimitedCollectionMeasuresAgainstFreeMemory)
{
    CSMemCollection collection;
    CSMemBlock* block = nullptr;
    ASSERT_EQ(0, collection.NewBlockA(4096, 0, &block, nullptr, 0));
    // Free memory can move between two readings; each answer must lie between them.
    ULONG before = CSGetFreeMemory();
    ULONG free = collection.GetAmountFree();
    ULONG totalLessAmount = collection.GetTotalAmount() - 4096u; // 32-bit wrap-around
    ULONG after = CSGetFreeMemory();
    ULONG low = std::min(before, after), high = std::max(before, after);
    EXPECT_EQ(4096u, collection.GetAmountAllocated());
    EXPECT_TRUE(free >= low && free <= high) << free << " outside " << low << "..." << high;
    EXPECT_TRUE(totalLessAmount >= low && totalLessAmount <= high) << totalLessAmount;
}

TEST_F(MemCollectionTest, DeleteBlockPtrGivesBackOnlyTheLockOfNewBlockPtrA)
{
    CSMemCollection collection;
    unsigned char* data = nullptr;
    ASSERT_EQ(0, collection.NewBlockPtrA(40, 0, &data, nullptr, 0));
    CSMemBlock* block = CSMemBlock::GetMemBlockObjPtr(data);
    ASSERT_NE(nullptr, block);
    ASSERT_EQ(data, block->Lock());
    EXPECT_EQ(CSBlockErrLocked, collection.DeleteBlockPtr(data));
    EXPECT_EQ(CSBlockErrLocked, collection.DeleteBlock(block));
    EXPECT_EQ(0, block->Unlock()); // both locks were still there
    EXPECT_EQ(0, collection.DeleteBlockPtr(data));
    EXPECT_EQ(0u, collection.GetAmountAllocated());
}

TEST_F(MemCollectionTest, ForeignAddressesAreNotFoundAndKeepTheirLocks)
{
    CSMemCollection mine, other;
    unsigned char* foreignData = nullptr;
    ASSERT_EQ(0, other.NewBlockPtrA(16, 0, &foreignData, nullptr, 0));
    CSMemBlock standalone(16, 0);
    int owner = 0;
    CSMemObject* handle = nullptr;
    unsigned char* handleData = nullptr;
    ASSERT_EQ(0, CSAllocMemory(16, CSMemAlignDefault, &handle, &owner));
    ASSERT_EQ(0, CSLockMemory(handle, &handleData));
    unsigned char buffer[64] = {};
    const struct {
        const char* label;
        unsigned char* data;
    } rows[] = {{"another collection's block", foreignData}, {"a free-standing block", standalone.Lock()},
                {"a handle that leads to a plain int", handleData}, {"no handle's data", buffer + 32}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        EXPECT_EQ(CSBlockErrNotFound, mine.DeleteBlockPtr(row.data));
    }
    EXPECT_EQ(CSBlockErrNotFound, mine.DeleteBlock(&standalone));
    EXPECT_EQ(1, CSMemBlock::GetMemBlockObjPtr(foreignData)->Unlock()); // exactly one lock, as before
    EXPECT_EQ(1, standalone.Unlock());
    EXPECT_EQ(CSMemErrLocked, CSDisposeMemory(handle));
}

TEST_F(MemCollectionTest, DeleteAllBlocksLeavesOnlyTheLockedBlock)
{
    CSMemCollection collection;
    CSMemBlock* blocks[4] = {};
    for (CSMemBlock*& block : blocks)
        ASSERT_EQ(0, collection.NewBlockA(10, 0, &block, nullptr, 0));
    ASSERT_NE(nullptr, blocks[2]->Lock());
    EXPECT_EQ(CSBlockErrLocked, collection.DeleteAllBlocks());
    EXPECT_EQ(10u, collection.GetAmountAllocated());
    EXPECT_EQ(1, blocks[2]->Unlock());
    EXPECT_EQ(0, collection.DeleteBlock(blocks[2]));
}

TEST_F(MemCollectionTest, TheNewestBlockComesFirst)
{
    // Free is virtual: a derived block notes the order in which the collection frees blocks.
    struct OrderedBlock : CSMemBlock {
        OrderedBlock(CSMemCollection* c, int id, std::vector<int>* order)
            : CSMemBlock(8, c, 0, nullptr, 0), id(id), order(order) {}
        LONG Free() override { order->push_back(id); return CSMemBlock::Free(); }
        int id;
        std::vector<int>* order;
    };
    std::vector<int> order;
    CSMemCollection collection;
    for (int id = 0; id < 4; ++id)
        ASSERT_NE(nullptr, new OrderedBlock(&collection, id, &order));
    EXPECT_EQ(0, collection.DeleteAllBlocks());
    EXPECT_EQ((std::vector<int>{3, 2, 1, 0}), order);
}

TEST_F(MemCollectionTest, LockedBlocksOutliveTheirCollectionDetached)
{
    CSMemCollection* collection = new CSMemCollection(500);
    unsigned char *kept = nullptr, *lockedTwice = nullptr;
    CSMemBlock* unlocked = nullptr;
    ASSERT_EQ(0, collection->NewBlockPtrA(30, 0, &kept, nullptr, 0));
    ASSERT_EQ(0, collection->NewBlockPtrA(30, 0, &lockedTwice, nullptr, 0));
    ASSERT_EQ(0, collection->NewBlockA(20, 0, &unlocked, nullptr, 0));
    CSMemBlock* survivor = CSMemBlock::GetMemBlockObjPtr(kept);
    CSMemBlock* stillLocked = CSMemBlock::GetMemBlockObjPtr(lockedTwice);
    delete collection;
    // ASan would see any later step that reached back into the dead collection.
    EXPECT_EQ(nullptr, survivor->GetCollectionPtr());
    EXPECT_EQ(1, survivor->Unlock());
    EXPECT_EQ(0, survivor->ReAllocate(60, 0));
    EXPECT_EQ(0, survivor->Free());
    delete survivor;
    delete stillLocked; // its handle takes the locked memory along
}

} // namespace

TEST_F(MemCollectionTest, BlockWithoutAListNodeIsRefusedNotLost)
{
    // Each request of a block asks the heap five times: the block's own storage (handle and
    // memory), its handle, its list node (handle and memory), then its data. Refuse only the
    // list node's handle: the block is made but could never be found again.
    CSMemCollection collection(1000);
    CSMemBlock* block = reinterpret_cast<CSMemBlock*>(1);
    cs_os::FailOneHeapRequestAfter(3);
    EXPECT_EQ(collection.NewBlockA(40, 0, &block, nullptr, 0), CSBlockErrAlloc);
    cs_os::FailHeapAfter(-1);
    EXPECT_EQ(block, nullptr);
    EXPECT_EQ(collection.GetAmountAllocated(), 0u);
    ASSERT_EQ(collection.NewBlockA(40, 0, &block, nullptr, 0), 0); // the heap is fine again
    EXPECT_EQ(collection.DeleteBlock(block), 0);
}
