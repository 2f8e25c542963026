// The library's own module handle: every resource the library uses (templates, jobs, capability
// records, strings, bitmaps) is looked up in it.
#pragma once
#include <windows.h>

// Set by the library entry at process attach (tests set it to the built library they load).
extern HINSTANCE ModuleInstance;
