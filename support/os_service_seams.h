// Internal plumbing behind the test seams of os_services.h, shared by both implementation files.
#pragma once
#include "os_services.h"

namespace cs_os {

// False when a test has asked the heap to refuse this request.
bool HeapRequestGranted();
// The platform's own identifier query, used unless a test replaced it.
bool QueryPlatformIdDirect(DWORD* platformId);

} // namespace cs_os
