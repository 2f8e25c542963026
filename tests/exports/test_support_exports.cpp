// The support library through the loaded DLL's export table, called the way a sibling module
// that only knows the names would call it.
#include <gtest/gtest.h>

#define QZ_STATIC // declarations only: every call below goes through GetProcAddress
#include "qzw9svb.h"

namespace {

class SupportExports : public ::testing::Test {
protected:
    static void SetUpTestSuite() { dll_ = LoadLibraryA("QZW9SVB.dll"); }
    static void TearDownTestSuite() { FreeLibrary(dll_); }

    template <typename Function> Function* Find(const char* name)
    {
        return reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(dll_, name)));
    }

    static HMODULE dll_;
};

HMODULE SupportExports::dll_ = nullptr;

} // namespace

TEST_F(SupportExports, StringFunctionsAnswerUnderBothNames)
{
    ASSERT_NE(dll_, nullptr);
    for (const char* name : {"CSStrcmpi", "CSiStrcmpi"}) {
        SCOPED_TRACE(name);
        auto* compare = Find<decltype(CSStrcmpi)>(name);
        ASSERT_NE(compare, nullptr);
        EXPECT_EQ(compare("ABC", "abc"), 0);
        EXPECT_EQ(compare("_", "a"), -1); // folds to lower case: '_' sorts before 'a'
        EXPECT_EQ(compare("\xE5", "z"), 1);
    }
}

TEST_F(SupportExports, SprintfUsesTheWindowsFormatter)
{
    auto* format = Find<decltype(CSSprintf)>("CSSprintf");
    ASSERT_NE(format, nullptr);
    char buffer[1100];
    EXPECT_EQ(format(buffer, "%s=%05d|%-4x|%c", "id", -42, 0xAB, 'q'), 15);
    EXPECT_STREQ(buffer, "id=-0042|ab  |q");
}

TEST_F(SupportExports, MemoryHandleLeadsBackToItsUserPointer)
{
    auto* alloc = Find<decltype(CSAllocMemory)>("CSAllocMemory");
    auto* lock = Find<decltype(CSLockMemory)>("CSLockMemory");
    auto* userPointer = Find<decltype(CSGetUserPointer)>("CSGetUserPointer");
    auto* unlock = Find<decltype(CSUnlockMemory)>("CSUnlockMemory");
    auto* dispose = Find<decltype(CSDisposeMemory)>("CSDisposeMemory");
    ASSERT_TRUE(alloc && lock && userPointer && unlock && dispose);

    int owner = 0;
    CSMemObject* handle = nullptr;
    ASSERT_EQ(alloc(100, CSMemAlign64, &handle, &owner), 0);
    unsigned char* data = nullptr;
    ASSERT_EQ(lock(handle, &data), 0);
    EXPECT_EQ(reinterpret_cast<uintptr_t>(data) % 64, 0u);
    void* found = nullptr;
    EXPECT_EQ(userPointer(data, &found), 0);
    EXPECT_EQ(found, &owner);
    EXPECT_EQ(dispose(handle), CSMemErrLocked); // refused, yet the handle is destroyed
}

TEST_F(SupportExports, SystemQueriesSeeTheRealPlatform)
{
    auto* version = Find<decltype(CSGetOSVersion)>("CSGetOSVersion");
    auto* heap = Find<decltype(CSValidHeap)>("CSValidHeap");
    auto* freeMemory = Find<decltype(CSGetFreeMemory)>("CSGetFreeMemory");
    auto* readable = Find<decltype(CSIsValidReadPtr)>("CSIsValidReadPtr");
    ASSERT_TRUE(version && heap && freeMemory && readable);
    EXPECT_EQ(version(), CSOSWin32NT);
    EXPECT_EQ(heap(), 0);
    EXPECT_GT(freeMemory(), 0u);
    void* reserved = VirtualAlloc(nullptr, 4096, MEM_RESERVE, PAGE_NOACCESS);
    ASSERT_NE(reserved, nullptr);
    EXPECT_EQ(readable(reserved, 1), 0);
    EXPECT_EQ(readable(&reserved, sizeof(reserved)), 1);
    VirtualFree(reserved, 0, MEM_RELEASE);
}
