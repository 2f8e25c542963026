// Internal plumbing behind the test seams of platform.h, shared by both platform files.
#pragma once
#include "platform.h"

namespace cs_platform {

// False when a test has asked the heap to refuse this request.
bool HeapRequestGranted();
// The platform's own identifier query, used unless a test replaced it.
bool QueryPlatformIdDirect(DWORD* platformId);

} // namespace cs_platform
