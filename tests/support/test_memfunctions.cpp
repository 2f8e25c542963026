// The free functions over movable memory handles: creation when the heap refuses, disposal of
// locked and invalid handles, and the way from a data address to its user pointer.
#include <gtest/gtest.h>

#include <stdint.h>
#include <string.h>

#include "os_services.h"
#include "qzw9svb/cs_memobject.h"

namespace {

class MemFunctionsTest : public testing::Test {
protected:
    void TearDown() override { cs_os::FailHeapAfter(-1); }
    int m_owner = 0;
};

TEST_F(MemFunctionsTest, AllocateFailuresStillHandBackAHandleWhenOneWasMade)
{
    const struct {
        const char* label;
        long heapRequests; // granted before the heap refuses
        CSMemOSAlign alignment;
        LONG status;
        bool handle;
    } rows[] = {
        {"no heap for the handle", 0, CSMemAlignDefault, CSMemErrNoMemory, false},
        {"no heap for the memory", 1, CSMemAlignDefault, CSMemErrNoMemory, true},
        {"bad alignment", -1, static_cast<CSMemOSAlign>(9), CSMemErrBadAlign, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        CSMemObject* handle = reinterpret_cast<CSMemObject*>(&m_owner);
        cs_os::FailHeapAfter(row.heapRequests);
        EXPECT_EQ(row.status, CSAllocMemory(8, row.alignment, &handle, &m_owner));
        cs_os::FailHeapAfter(-1);
        EXPECT_EQ(row.handle, handle != nullptr);
        if (handle != nullptr) {
            EXPECT_EQ(CSMemErrNotAllocated, CSDisposeMemory(handle));
        }
    }
    cs_os::FailHeapAfter(0);
    EXPECT_EQ(nullptr, CSMemObjectFactory(&m_owner));
}

TEST_F(MemFunctionsTest, DisposingOfALockedHandleDestroysItAnyway)
{
    for (ULONG size : {0u, 48u}) {
        SCOPED_TRACE(testing::Message() << "size " << size);
        CSMemObject* handle = nullptr;
        ASSERT_EQ(0, CSAllocMemory(size, CSMemAlign64, &handle, &m_owner));
        unsigned char* data;
        ASSERT_EQ(0, CSLockMemory(handle, &data));
        // The native build's leak checker sees whether the memory went with the handle.
        EXPECT_EQ(CSMemErrLocked, CSDisposeMemory(handle));
    }
}

TEST_F(MemFunctionsTest, InvalidAndNullHandlesAreLeftAlone)
{
    class BrokenHandle : public CSHeapMemObject {
    public:
        BrokenHandle() : CSHeapMemObject(nullptr) { SetLockCount(1); } // Empty yet locked
    } broken; // on the stack: freeing it would be caught at once
    EXPECT_EQ(CSMemErrInvalid, CSDisposeMemory(&broken));
    EXPECT_EQ(CSMemErrInvalid, CSDisposeMemory(nullptr));
    unsigned char* data = nullptr;
    EXPECT_EQ(CSMemErrInvalid, CSLockMemory(nullptr, &data));
    EXPECT_EQ(CSMemErrInvalid, CSIsLocked(nullptr));
    CSMemObject* none = nullptr;
    EXPECT_EQ(CSMemErrInvalid, CSReAllocMemory(8, CSMemAlignDefault, &none));
}

TEST_F(MemFunctionsTest, UserPointerIsFoundFromTheDataOfEveryAlignment)
{
    for (CSMemOSAlign alignment : {CSMemAlignDefault, CSMemAlign2, CSMemAlign8, CSMemAlign64}) {
        SCOPED_TRACE(testing::Message() << "alignment " << alignment);
        CSMemObject* handle = nullptr;
        ASSERT_EQ(0, CSAllocMemory(20, alignment, &handle, &m_owner));
        unsigned char* data;
        ASSERT_EQ(0, CSLockMemory(handle, &data));
        void* user = nullptr;
        EXPECT_EQ(0, CSGetUserPointer(data, &user));
        EXPECT_EQ(&m_owner, user);
        EXPECT_EQ(CSMemErrLocked, CSDisposeMemory(handle));
    }
}

TEST_F(MemFunctionsTest, AddressesThatAreNoHandlesDataAreRefused)
{
    static const unsigned char zeros[64] = {};
    const struct {
        const char* label;
        const void* backPointer; // placed in the slot just before the "data"
    } rows[] = {
        {"null", nullptr},
        {"unmapped", reinterpret_cast<const void*>(uintptr_t(16))},
        {"bytes without a signature", zeros},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        unsigned char buffer[4 * sizeof(void*)] = {};
        memcpy(buffer + sizeof(void*), &row.backPointer, sizeof(void*));
        void* user = &m_owner;
        EXPECT_EQ(CSMemErrInvalid, CSGetUserPointer(buffer + 2 * sizeof(void*), &user));
        EXPECT_EQ(&m_owner, user);
    }
    void* user = nullptr;
    EXPECT_EQ(CSMemErrInvalid, CSGetUserPointer(reinterpret_cast<unsigned char*>(uintptr_t(64)), &user));
}

} // namespace
