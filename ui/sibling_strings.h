// The sibling string module that holds display texts chosen per printer, the ids of its
// strings that this library shows, and the one handle the library keeps of it.
#pragma once
#include <windows.h>

#include "resources/sibling_string_ids.h"

// Loaded by bare file name, so the platform's library search order applies.
constexpr char kSiblingModuleName[] = "QZW9TRE.DLL";

// The sibling module, loaded at the first call that finds it and kept from then on, so that a
// dialog does not pay for loading it again; null while it cannot be found (every call tries).
HMODULE SiblingModule();
// Gives the kept module back; the library calls it when it is unloaded.
void ReleaseSiblingModule();
