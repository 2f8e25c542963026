// Memory blocks: alignment flags, zero-filling, the Free/Unlock answers, chunked locking, the way
// back from a data address, the tagged class-level storage and copies as non-owning views.
#include <gtest/gtest.h>

#include <stdint.h>

#include <algorithm>

#include "cs_classalloc.h"
#include "os_services.h"
#include "qzw9svb/cs_memblock.h"

// The destructors are not virtual by design; every delete here names the exact type.
#pragma GCC diagnostic ignored "-Wdelete-non-virtual-dtor"

namespace {

class MemBlockTest : public testing::Test {
protected:
    void TearDown() override { cs_os::FailHeapAfter(-1); }
};

bool AllBytesAre(const unsigned char* data, ULONG count, unsigned char value)
{
    return std::all_of(data, data + count, [value](unsigned char byte) { return byte == value; });
}

TEST_F(MemBlockTest, FlagsChooseAlignmentAndZeroFilling)
{
    const struct {
        ULONG flags;
        CSMemOSAlign alignment;
        uintptr_t boundary;
    } rows[] = {
        {0x00, CSMemAlign1, 1}, {0x03, CSMemAlign2, 2},  {0x05, CSMemAlign4, 4},  {0x09, CSMemAlign8, 8},
        {0x41, CSMemAlign64, 64}, {0x07, CSMemAlign1, 1}, {0x49, CSMemAlign1, 1}, {0xB1, CSMemAlign1, 1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "flags 0x" << std::hex << row.flags);
        EXPECT_EQ(row.alignment, CSMemBlock::GetOSAlignOpt(row.flags));
        CSMemBlock block(300, row.flags | CSMemBlockZeroInit);
        unsigned char* data = block.Lock();
        ASSERT_NE(nullptr, data);
        EXPECT_EQ(0u, reinterpret_cast<uintptr_t>(data) % row.boundary);
        EXPECT_TRUE(AllBytesAre(data, 300, 0));
        EXPECT_EQ(1, block.Unlock());
    }
}

TEST_F(MemBlockTest, GrowingAZeroFilledBlockZeroesOnlyTheNewBytes)
{
    CSMemBlock block(16, CSMemBlockZeroInit | CSMemBlockAlign64);
    block.Set(0xAA);
    ASSERT_EQ(0, block.ReAllocate(5000, 0)); // the flags of Allocate still count
    unsigned char* data = block.Lock();
    ASSERT_NE(nullptr, data);
    EXPECT_EQ(0u, reinterpret_cast<uintptr_t>(data) % 64);
    EXPECT_TRUE(AllBytesAre(data, 16, 0xAA));
    EXPECT_TRUE(AllBytesAre(data + 16, 5000 - 16, 0));
    block.Unlock();
}

TEST_F(MemBlockTest, FreeAndUnlockAnswers)
{
    CSMemBlock block;
    EXPECT_EQ(CSBlockErrEmpty, block.Free());
    EXPECT_EQ(1, block.Unlock());
    EXPECT_EQ(nullptr, block.Lock());
    EXPECT_EQ(CSBlockErrAlloc, block.ReAllocate(0, 0));
    ASSERT_EQ(0, block.ReAllocate(24, 0)); // allocates an empty block
    EXPECT_EQ(CSBlockErrAlloc, block.Allocate(8, 0, nullptr, 0));
    EXPECT_EQ(1, block.Unlock()); // not locked
    ASSERT_NE(nullptr, block.Lock());
    ASSERT_NE(nullptr, block.Lock());
    EXPECT_EQ(CSBlockErrLocked, block.Free());
    EXPECT_EQ(CSBlockErrLocked, block.ReAllocate(48, 0));
    EXPECT_EQ(0, block.Unlock());
    EXPECT_EQ(1, block.Unlock());
    EXPECT_EQ(0, block.Free());
    EXPECT_EQ(0, block.Valid());
}

TEST_F(MemBlockTest, ChunksLieAtTheSumOfTheSizesBeforeThem)
{
    CSMemBlock block(64, 0);
    unsigned char *base = nullptr, *chunk0 = nullptr, *chunk1 = nullptr, *chunk2 = nullptr;
    block.LockInChunks(&base, 4, &chunk0, 8, &chunk1, 2, &chunk2, 0);
    ASSERT_NE(nullptr, base);
    EXPECT_EQ(base, chunk0);
    EXPECT_EQ(base + 4, chunk1);
    EXPECT_EQ(base + 12, chunk2);
    EXPECT_EQ(1, block.Unlock()); // exactly one lock was taken

    CSMemBlock empty;
    empty.LockInChunks(&base, 4, &chunk0, 8, &chunk1, 0);
    EXPECT_EQ(nullptr, base);
    EXPECT_EQ(nullptr, chunk0);
}

TEST_F(MemBlockTest, DataAddressLeadsBackToItsBlock)
{
    CSMemBlock block(20, CSMemBlockAlign64);
    unsigned char* data = block.Lock();
    EXPECT_EQ(&block, CSMemBlock::GetMemBlockObjPtr(data));
    block.Unlock();
    unsigned char buffer[64] = {};
    EXPECT_EQ(nullptr, CSMemBlock::GetMemBlockObjPtr(buffer + 32));
}

TEST_F(MemBlockTest, ClassStorageCarriesTheLiveAndFreedTags)
{
    CSMemBlock* block = new CSMemBlock(8, 0);
    CSMemCollection* collection = new CSMemCollection;
    ASSERT_TRUE(block != nullptr && collection != nullptr);
    EXPECT_EQ(0xABEE, cs_classalloc::TagBefore(block));
    EXPECT_EQ(0xACEE, cs_classalloc::TagBefore(collection));
    if (sizeof(void*) > 4) { // 32-bit builds keep the packed 6-byte prefix
        EXPECT_EQ(0u, reinterpret_cast<uintptr_t>(block) % sizeof(void*));
    }
    delete block;
    delete collection;

    // The freed tag is written while the storage is still there to read it.
    void* object = cs_classalloc::AllocateTagged(40, cs_classalloc::kBlockLiveTag);
    ASSERT_NE(nullptr, object);
    CSMemObject* handle = cs_classalloc::RetireTagged(object, cs_classalloc::kBlockFreedTag);
    EXPECT_EQ(CSMemErrLocked, CSIsLocked(handle)); // locked for the object's whole life
    EXPECT_EQ(0xFBEE, cs_classalloc::TagBefore(object));
    cs_classalloc::ReleaseHandle(handle);

    cs_os::FailHeapAfter(2); // the object's storage, but no handle for the block
    block = new CSMemBlock(8, CSMemBlockZeroInit);
    cs_os::FailHeapAfter(0);
    EXPECT_EQ(nullptr, new CSMemCollection(100));
    cs_os::FailHeapAfter(-1);
    ASSERT_NE(nullptr, block);
    EXPECT_EQ(0u, block->GetSize());
    EXPECT_EQ(CSBlockErrAlloc, block->Allocate(8, 0, nullptr, 0));
    delete block;
}

TEST_F(MemBlockTest, CopiesAreViewsThatGiveNothingBack)
{
    CSMemBlock original(32, 0);
    original.Set(0x42);
    {
        CSMemBlock copy(original);
        unsigned char* data = copy.Lock();
        ASSERT_NE(nullptr, data);
        EXPECT_TRUE(AllBytesAre(data, 32, 0x42));
        EXPECT_EQ(1, copy.Unlock());
    }
    EXPECT_EQ(1, original.Valid());

    // Assignment first gives back what the target owned: its memory and its collection entry.
    CSMemCollection collection(1000);
    CSMemBlock* target = new CSMemBlock(100, &collection, 0, nullptr, 0);
    ASSERT_EQ(100u, collection.GetAmountAllocated());
    *target = original;
    EXPECT_EQ(0u, collection.GetAmountAllocated());
    EXPECT_EQ(CSBlockErrNotFound, collection.DeleteBlock(target));
    unsigned char* data = target->Lock();
    ASSERT_NE(nullptr, data);
    EXPECT_TRUE(AllBytesAre(data, 32, 0x42));
    target->Unlock();
    delete target;
    EXPECT_EQ(1, original.Valid());
}

} // namespace
