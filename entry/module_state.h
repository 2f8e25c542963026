// Process-wide state of the library: its own module handle and the one-service-at-a-time flag.
#pragma once
#include <windows.h>

// The library's module: every resource (templates, jobs, capability records, strings) is
// loaded from it. Set at process attach.
extern HINSTANCE ModuleInstance;

// Non-zero while a service that honours it is running; guards against re-entry from the
// modal loop of that service's dialogs, not against other threads.
extern LONG ServiceBusy;
