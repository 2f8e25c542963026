// Movable memory handles: the state table, the validity rule, block layout and alignment,
// resizing, heap refusal, the lock-count ceiling, MoveMembers and destruction.
#include <gtest/gtest.h>

#include <stdint.h>
#include <string.h>

#include <new>
#include <string>

#include "cs_memimage.h"
#include "os_services.h"
#include "qzw9svb/cs_memobject.h"

namespace {

// Opens the protected helpers of a heap handle to the tests.
class ExposedHandle : public CSHeapMemObject {
public:
    using CSHeapMemObject::CSHeapMemObject;
    using CSMemObject::GetAlignVal;
    using CSMemObject::GetLockCount;
    using CSMemObject::IsAllocated;
    using CSMemObject::IsZero;
    using CSMemObject::MoveMembers;
    using CSMemObject::SetAllocated;
    using CSMemObject::SetLockCount;
    using CSMemObject::SetZero;
    // "E", "A" or "Z" for Empty, Allocated, ZeroSize ("X" for both flags), then the lock count.
    std::string State()
    {
        return (IsAllocated() && IsZero() ? "X" : IsAllocated() ? "A" : IsZero() ? "Z" : "E") + std::to_string(GetLockCount());
    }
};

CSMemObject* BackPointerOf(const unsigned char* data)
{
    CSMemObject* handle;
    memcpy(&handle, data - sizeof(handle), sizeof(handle));
    return handle;
}

class MemObjectTest : public testing::Test {
protected:
    void TearDown() override { cs_os::FailHeapAfter(-1); }
    int m_owner = 0;
};

TEST_F(MemObjectTest, EveryTransitionGivesItsStatusAndState)
{
    enum Event { Alloc0, Alloc16, ReAlloc0, ReAlloc32, Lock, Unlock, Dispose, Size };
    const struct {
        const char* from;
        Event event;
        LONG status;
        const char* to;
    } rows[] = {
        {"E0", Alloc0, 0, "Z0"}, {"E0", Alloc16, 0, "A0"}, {"E0", ReAlloc32, 0, "A0"}, {"E0", ReAlloc0, 0, "Z0"},
        {"E0", Lock, CSMemErrNotAllocated, "E0"}, {"E0", Dispose, CSMemErrNotAllocated, "E0"},
        {"E0", Size, CSMemErrNotAllocated, "E0"}, {"E0", Unlock, CSMemErrNotLocked, "E0"},
        {"A0", Alloc0, CSMemErrAllocated, "A0"}, {"A0", Lock, 0, "A1"}, {"A0", Unlock, CSMemErrNotLocked, "A0"},
        {"A0", ReAlloc32, 0, "A0"}, {"A0", ReAlloc0, 0, "Z0"}, {"A0", Dispose, 0, "E0"},
        {"Z0", Alloc16, CSMemErrAllocated, "Z0"}, {"Z0", Lock, 0, "Z1"}, {"Z0", ReAlloc32, 0, "A0"},
        {"Z0", Dispose, 0, "E0"}, {"Z0", Size, 0, "Z0"}, {"A1", Lock, 0, "A2"}, {"A1", Unlock, 0, "A0"},
        {"A1", ReAlloc32, CSMemErrLocked, "A1"}, {"A1", Dispose, CSMemErrLocked, "A1"},
        {"Z1", Unlock, 0, "Z0"}, {"Z1", ReAlloc0, CSMemErrLocked, "Z1"}, {"Z1", Dispose, CSMemErrLocked, "Z1"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.from << " event " << row.event);
        ExposedHandle handle(&m_owner);
        unsigned char* data = nullptr;
        ULONG size = 0;
        if (row.from[0] != 'E') {
            ASSERT_EQ(0, handle.Allocate(row.from[0] == 'A' ? 16 : 0, CSMemAlignDefault));
        }
        if (row.from[1] == '1') {
            ASSERT_EQ(0, handle.Lock(&data));
        }
        LONG status = row.event == Alloc0      ? handle.Allocate(0, CSMemAlignDefault)
                      : row.event == Alloc16   ? handle.Allocate(16, CSMemAlignDefault)
                      : row.event == ReAlloc0  ? handle.ReAllocate(0, CSMemAlignDefault)
                      : row.event == ReAlloc32 ? handle.ReAllocate(32, CSMemAlignDefault)
                      : row.event == Lock      ? handle.Lock(&data)
                      : row.event == Unlock    ? handle.Unlock()
                      : row.event == Dispose   ? handle.Dispose()
                                               : handle.GetSize(&size);
        EXPECT_EQ(row.status, status);
        EXPECT_EQ(row.to, handle.State());
        EXPECT_EQ(row.to[1] != '0' ? LONG(CSMemErrLocked) : 0, handle.IsLocked());
    }
}

TEST_F(MemObjectTest, InconsistentStateWordsAreRefused)
{
    ExposedHandle bothFlags(&m_owner), lockedEmpty(&m_owner);
    bothFlags.SetAllocated(1);
    bothFlags.SetZero(1);
    lockedEmpty.SetLockCount(3);
    unsigned char* data;
    for (ExposedHandle* handle : {&bothFlags, &lockedEmpty}) {
        EXPECT_EQ(CSMemErrInvalid, handle->Allocate(8, CSMemAlignDefault));
        EXPECT_EQ(CSMemErrInvalid, handle->Lock(&data));
        EXPECT_EQ(CSMemErrInvalid, handle->Unlock());
    }
    EXPECT_EQ("X0", bothFlags.State());
    EXPECT_EQ("E3", lockedEmpty.State());
}

TEST_F(MemObjectTest, RefusedRequestsKeepTheAlignment)
{
    ExposedHandle handle(&m_owner);
    EXPECT_EQ(CSMemErrBadAlign, handle.Allocate(10, static_cast<CSMemOSAlign>(7)));
    ASSERT_EQ(0, handle.Allocate(10, CSMemAlign4));
    EXPECT_EQ(CSMemErrAllocated, handle.Allocate(10, CSMemAlign64));
    EXPECT_EQ(CSMemErrAlignChange, handle.ReAllocate(20, CSMemAlign8));
    EXPECT_EQ(CSMemErrBadAlign, handle.ReAllocate(20, static_cast<CSMemOSAlign>(6)));
    EXPECT_EQ(0, handle.ReAllocate(20, CSMemAlignDefault));
    EXPECT_EQ(CSMemAlign4, handle.GetAlignVal());
}

TEST_F(MemObjectTest, DataLiesOnItsBoundaryJustBehindTheBackPointer)
{
    const struct {
        CSMemOSAlign alignment;
        uintptr_t bytes;
    } rows[] = {{CSMemAlign1, 1}, {CSMemAlign2, 2}, {CSMemAlign4, 4}, {CSMemAlign8, 8}, {CSMemAlign64, 64}};
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "alignment " << row.bytes);
        ExposedHandle handle(&m_owner);
        ASSERT_EQ(0, handle.Allocate(13, row.alignment));
        unsigned char* data;
        ASSERT_EQ(0, handle.Lock(&data));
        EXPECT_EQ(0u, reinterpret_cast<uintptr_t>(data) % row.bytes);
        EXPECT_EQ(&handle, BackPointerOf(data));
        memset(data, 0x5A, 13); // ASan checks that all of it lies in the heap block
        handle.Unlock();
    }
    // Without alignment the heap block starts one pointer before the data.
    ExposedHandle handle(&m_owner);
    ASSERT_EQ(0, handle.Allocate(10, CSMemAlignDefault));
    unsigned char* data;
    ASSERT_EQ(0, handle.Lock(&data));
    ULONG size = 0;
    ASSERT_EQ(0, handle.GetSize(&size));
    EXPECT_GE(size, 10u);
    EXPECT_EQ(size + sizeof(void*), cs_os::HeapUsableSize(data - sizeof(void*)));
    handle.Unlock();
}

TEST_F(MemObjectTest, GrowingAnAlignedHandleKeepsContentsAndBackPointer)
{
    ExposedHandle handle(&m_owner);
    ASSERT_EQ(0, handle.Allocate(24, CSMemAlign64));
    unsigned char* data;
    ASSERT_EQ(0, handle.Lock(&data));
    for (int i = 0; i < 24; ++i)
        data[i] = static_cast<unsigned char>(i + 1);
    handle.Unlock();
    // Many steps, so that the heap moves the block and the rounding to 64 changes on the way.
    for (ULONG size = 43; size < 200000; size = size * 3 / 2 + 7) {
        SCOPED_TRACE(testing::Message() << "size " << size);
        ASSERT_EQ(0, handle.ReAllocate(size, CSMemAlignDefault));
        ASSERT_EQ(0, handle.Lock(&data));
        EXPECT_EQ(0u, reinterpret_cast<uintptr_t>(data) % 64);
        for (int i = 0; i < 24; ++i)
            ASSERT_EQ(i + 1, data[i]) << "byte " << i;
        void* user = nullptr;
        EXPECT_EQ(0, CSGetUserPointer(data, &user));
        EXPECT_EQ(&m_owner, user);
        handle.Unlock();
    }
}

TEST_F(MemObjectTest, RefusedHeapKeepsTheOldMemory)
{
    ExposedHandle handle(&m_owner);
    cs_os::FailHeapAfter(0);
    EXPECT_EQ(CSMemErrNoMemory, handle.Allocate(10, CSMemAlign8));
    EXPECT_EQ(CSMemAlignDefault, handle.GetAlignVal());
    cs_os::FailHeapAfter(-1);
    ASSERT_EQ(0, handle.Allocate(16, CSMemAlign64));
    unsigned char* data;
    ASSERT_EQ(0, handle.Lock(&data));
    memset(data, 0xC3, 16);
    handle.Unlock();
    cs_os::FailHeapAfter(0);
    EXPECT_EQ(CSMemErrNoMemory, handle.ReAllocate(100000, CSMemAlignDefault));
    cs_os::FailHeapAfter(-1);
    EXPECT_EQ("A0", handle.State());
    ASSERT_EQ(0, handle.Lock(&data));
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(0xC3, data[i]);
    handle.Unlock();
}

TEST_F(MemObjectTest, The16384thLockIsRefused)
{
    for (ULONG size : {0u, 8u}) {
        SCOPED_TRACE(testing::Message() << "size " << size);
        ExposedHandle handle(&m_owner);
        ASSERT_EQ(0, handle.Allocate(size, CSMemAlignDefault));
        unsigned char* data;
        for (int i = 0; i < 16383; ++i)
            ASSERT_EQ(0, handle.Lock(&data));
        EXPECT_EQ(CSMemErrLockFailed, handle.Lock(&data));
        EXPECT_EQ(nullptr, data);
        EXPECT_EQ(size ? "A16383" : "Z16383", handle.State());
        handle.SetLockCount(0);
    }
}

TEST_F(MemObjectTest, MoveMembersLeavesTheSourceAValidEmptyHandle)
{
    int otherOwner = 0;
    ExposedHandle source(&otherOwner), target(&m_owner);
    ASSERT_EQ(0, source.Allocate(0, CSMemAlign8));
    target.MoveMembers(&source);
    EXPECT_EQ("Z0", target.State());
    EXPECT_EQ(&otherOwner, target.GetUserPointer());
    EXPECT_EQ(CSMemAlign8, target.GetAlignVal());
    EXPECT_EQ(nullptr, source.GetUserPointer());
    EXPECT_EQ(CSMemErrNotAllocated, source.Dispose()); // valid, and Empty
}

TEST_F(MemObjectTest, DestructionClearsTheSignature)
{
    alignas(CSHeapMemObject) unsigned char storage[sizeof(CSHeapMemObject)];
    CSHeapMemObject* handle = ::new (storage) CSHeapMemObject(&m_owner);
    ASSERT_EQ(0, handle->Allocate(24, CSMemAlignDefault));
    handle->~CSHeapMemObject();
    CSMemObjectImage image;
    memcpy(&image, storage, sizeof(image));
    EXPECT_EQ(0, image.signature);
    // A data address that still names the destroyed handle is refused.
    unsigned char slot[2 * sizeof(void*)];
    memcpy(slot, &handle, sizeof(handle));
    void* user = nullptr;
    EXPECT_EQ(CSMemErrInvalid, CSGetUserPointer(slot + sizeof(void*), &user));
}

} // namespace
