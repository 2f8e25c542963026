// The bytes of a stored job (resource type 2830) that a module carries; empty when it has none.
#pragma once
#include <windows.h>

#include <vector>

#include "resource_ids.h"

inline std::vector<unsigned char> StoredJobBytes(HMODULE module, unsigned id)
{
    HRSRC info = FindResourceExA(module, MAKEINTRESOURCEA(RT_STORED_JOB), MAKEINTRESOURCEA(id), 0);
    const void* bytes = info ? LockResource(LoadResource(module, info)) : nullptr;
    if (!bytes)
        return {};
    const auto* first = static_cast<const unsigned char*>(bytes);
    return std::vector<unsigned char>(first, first + SizeofResource(module, info));
}
