// CSGetOSVersion: the Windows platform family, asked once per process and then cached.
// A failed query is not cached, so a later call asks again.
#include <atomic>

#include "cs_osversion_cache.h"
#include "os_services.h"
#include "qzw9svb/cs_osversion.h"

namespace {

// Platform identifiers of GetVersionExA.
constexpr DWORD kPlatformWin32s = 0;
constexpr DWORD kPlatformWin32Windows = 1;
constexpr DWORD kPlatformWin32NT = 2;

// No lock: concurrent first calls each ask the platform and store the same value.
std::atomic<CSOSVersion> g_cachedVersion{CSOSUnknown};

CSOSVersion FamilyOf(DWORD platformId)
{
    switch (platformId) {
    case kPlatformWin32s:
        return CSOSWin32s;
    case kPlatformWin32Windows:
        return CSOSWin32Windows;
    case kPlatformWin32NT:
        return CSOSWin32NT;
    default:
        return CSOSUnknown;
    }
}

} // namespace

namespace cs_osversion {

void ForgetCachedVersion()
{
    g_cachedVersion.store(CSOSUnknown, std::memory_order_relaxed);
}

} // namespace cs_osversion

CSOSVersion CS_CALL CSGetOSVersion(void)
{
    CSOSVersion cached = g_cachedVersion.load(std::memory_order_relaxed);
    if (cached != CSOSUnknown)
        return cached;
    DWORD platformId = 0;
    if (!cs_os::QueryPlatformId(&platformId))
        return CSOSUnknown;
    CSOSVersion version = FamilyOf(platformId);
    g_cachedVersion.store(version, std::memory_order_relaxed);
    return version;
}
