// The sibling string module that holds display texts chosen per printer, and the ids of its
// strings that this library shows.
#pragma once
#include <windows.h>

#include "resources/sibling_string_ids.h"

// Loaded by bare file name, so the platform's library search order applies.
constexpr char kSiblingModuleName[] = "QZW9TRE.DLL";
