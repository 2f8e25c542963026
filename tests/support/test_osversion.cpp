// CSGetOSVersion: the platform identifier mapping and the process-wide cache, which keeps a
// determined version and forgets nothing else. Each test starts and ends with an empty cache.
#include <gtest/gtest.h>

#include "cs_osversion_cache.h"
#include "os_services.h"
#include "qzw9svb/cs_osversion.h"

namespace {

// The stand-in platform: how often it was asked, and what it answers.
int g_queries = 0;
bool g_querySucceeds = true;
DWORD g_platformId = 2;

bool FakePlatformIdQuery(DWORD* platformId)
{
    ++g_queries;
    if (!g_querySucceeds)
        return false;
    *platformId = g_platformId;
    return true;
}

class OSVersion : public testing::Test {
protected:
    void SetUp() override
    {
        g_queries = 0;
        g_querySucceeds = true;
        g_platformId = 2;
        cs_osversion::ForgetCachedVersion();
        cs_os::ReplacePlatformIdQuery(FakePlatformIdQuery);
    }

    void TearDown() override
    {
        cs_os::ReplacePlatformIdQuery(nullptr);
        cs_osversion::ForgetCachedVersion();
    }
};

TEST_F(OSVersion, PlatformIdentifierAloneDecides)
{
    const struct {
        DWORD platformId;
        CSOSVersion version;
    } rows[] = {{0, CSOSWin32s}, {1, CSOSWin32Windows}, {2, CSOSWin32NT}, {3, CSOSUnknown}, {0xFFFFFFFF, CSOSUnknown}};
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "platform id " << row.platformId);
        cs_osversion::ForgetCachedVersion();
        g_platformId = row.platformId;
        EXPECT_EQ(row.version, CSGetOSVersion());
    }
}

TEST_F(OSVersion, DeterminedVersionIsNotAskedForAgain)
{
    EXPECT_EQ(CSOSWin32NT, CSGetOSVersion());
    EXPECT_EQ(1, g_queries);
    g_platformId = 1;
    EXPECT_EQ(CSOSWin32NT, CSGetOSVersion());
    EXPECT_EQ(CSOSWin32NT, CSGetOSVersion());
    EXPECT_EQ(1, g_queries);
}

TEST_F(OSVersion, FailedQueryIsAskedAgain)
{
    g_querySucceeds = false;
    EXPECT_EQ(CSOSUnknown, CSGetOSVersion());
    EXPECT_EQ(CSOSUnknown, CSGetOSVersion());
    EXPECT_EQ(2, g_queries);
    g_querySucceeds = true;
    g_platformId = 0;
    EXPECT_EQ(CSOSWin32s, CSGetOSVersion());
    EXPECT_EQ(CSOSWin32s, CSGetOSVersion());
    EXPECT_EQ(3, g_queries);
}

TEST_F(OSVersion, UnknownPlatformLeavesTheCacheEmpty)
{
    g_platformId = 7;
    EXPECT_EQ(CSOSUnknown, CSGetOSVersion());
    g_platformId = 2;
    EXPECT_EQ(CSOSWin32NT, CSGetOSVersion());
    EXPECT_EQ(2, g_queries);
}

TEST_F(OSVersion, RealPlatformIsNT)
{
    cs_os::ReplacePlatformIdQuery(nullptr);
    EXPECT_EQ(CSOSWin32NT, CSGetOSVersion());
    EXPECT_EQ(0, g_queries);
}

} // namespace
