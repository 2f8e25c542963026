// Test seams of the operating-system services: refusing heap requests and replacing the version query.
#include "os_service_seams.h"

namespace cs_os {
namespace {
long g_heapRequestsLeft = -1;
bool g_refuseOnlyOne = false;
bool (*g_platformIdQuery)(DWORD*) = nullptr;
} // namespace

void FailHeapAfter(long successfulRequests)
{
    g_heapRequestsLeft = successfulRequests;
    g_refuseOnlyOne = false;
}

void FailOneHeapRequestAfter(long successfulRequests)
{
    g_heapRequestsLeft = successfulRequests;
    g_refuseOnlyOne = true;
}

bool HeapRequestGranted()
{
    if (g_heapRequestsLeft < 0)
        return true;
    if (g_heapRequestsLeft == 0) {
        if (g_refuseOnlyOne)
            g_heapRequestsLeft = -1;
        return false;
    }
    --g_heapRequestsLeft;
    return true;
}

void ReplacePlatformIdQuery(bool (*query)(DWORD* platformId))
{
    g_platformIdQuery = query;
}

bool QueryPlatformId(DWORD* platformId)
{
    return g_platformIdQuery ? g_platformIdQuery(platformId) : QueryPlatformIdDirect(platformId);
}

} // namespace cs_os
