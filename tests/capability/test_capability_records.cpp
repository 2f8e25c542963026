// The DLL's resource catalogue: exactly the capability records, names and stored jobs it ships.
#include <gtest/gtest.h>
#include <windows.h>

#include <set>
#include <string>

#include "resource_ids.h"

namespace {

BOOL CALLBACK CollectId(HMODULE, LPCSTR, LPSTR name, LONG_PTR ids)
{
    if (IS_INTRESOURCE(name))
        reinterpret_cast<std::set<unsigned>*>(ids)->insert(static_cast<unsigned>(reinterpret_cast<ULONG_PTR>(name)));
    else
        reinterpret_cast<std::set<unsigned>*>(ids)->insert(0xFFFFFFFFu); // a named resource: never expected
    return TRUE;
}

std::set<unsigned> IdsOfType(HMODULE module, unsigned type)
{
    std::set<unsigned> ids;
    EnumResourceNamesA(module, MAKEINTRESOURCEA(type), CollectId, reinterpret_cast<LONG_PTR>(&ids));
    return ids;
}

class ResourceCatalogue : public ::testing::Test {
protected:
    void SetUp() override
    {
        dll_ = LoadLibraryExA("QZW9SVB.dll", nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(dll_, nullptr);
    }
    void TearDown() override { FreeLibrary(dll_); }
    HMODULE dll_ = nullptr;
};

} // namespace

TEST_F(ResourceCatalogue, CapabilityRecordsOfOneModelOnly)
{
    EXPECT_EQ(IdsOfType(dll_, RT_CAPABILITY_RECORD), (std::set<unsigned>{10921, 10922, 10923}));
}

TEST_F(ResourceCatalogue, StoredJobsAndNotices)
{
    EXPECT_EQ(IdsOfType(dll_, RT_STORED_JOB), (std::set<unsigned>{129, 130, 131, 134, 139, 142, 143, 144}));
    const std::pair<unsigned, DWORD> sizes[] = {{129, 170}, {130, 169}, {131, 169}, {134, 106},
                                                {139, 106}, {142, 1043}, {143, 6361}, {144, 213608}};
    for (auto [id, size] : sizes) {
        SCOPED_TRACE(id);
        HRSRC job = FindResourceExA(dll_, MAKEINTRESOURCEA(RT_STORED_JOB), MAKEINTRESOURCEA(id), 0);
        ASSERT_NE(job, nullptr); // language neutral
        EXPECT_EQ(SizeofResource(dll_, job), size);
    }
}

TEST_F(ResourceCatalogue, ModelBlocksHoldOneRealnameAndItsModelName)
{
    HMODULE dll = LoadLibraryA("QZW9SVB.dll"); // strings load from an image, not a data file
    ASSERT_NE(dll, nullptr);
    std::set<unsigned> filled;
    char text[256];
    for (unsigned id = CAP_FIRST_BASE_ID; id < CAP_LAST_BASE_ID + CAP_BLOCK_STEP; ++id)
        if (LoadStringA(dll, id, text, sizeof(text)) > 0)
            filled.insert(id);
    EXPECT_EQ(filled, (std::set<unsigned>{10900, 10911}));
    FreeLibrary(dll);
}
