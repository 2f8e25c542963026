// Resources of the library's own module: one lookup for every typed resource (dialog templates,
// stored jobs, capability records) and the string table. The declarations are portable: the
// CUPS driver answers them from the same resources compiled into it.
#pragma once
#include <stdint.h>

#include "qzw9svb/cs_abi.h"

// Resource ids are 16 bits.
constexpr unsigned int kLargestResourceId = 0xFFFF;

// A resource type given by its number, as the lookup takes it (what MAKEINTRESOURCEA makes).
inline const char* NumberedResourceType(unsigned int type)
{
    return reinterpret_cast<const char*>(static_cast<uintptr_t>(type & kLargestResourceId));
}

// A resource found by type and numeric id (language neutral; only the id's low 16 bits count),
// loaded and locked for the life of the object and released with it.
class ModuleResource {
public:
    ModuleResource(const char* type, unsigned int id);
    ~ModuleResource();
    ModuleResource(const ModuleResource&) = delete;
    ModuleResource& operator=(const ModuleResource&) = delete;

    // The resource exists, whether or not it could then be loaded.
    bool Found() const { return m_found; }
    DWORD Size() const { return m_size; }
    // Its bytes; null when it is missing or could not be loaded and locked.
    const void* Bytes() const { return m_bytes; }

private:
    bool m_found;
    void* m_loaded; // the platform's handle of the loaded resource, if it has one
    DWORD m_size;
    const void* m_bytes;
};

// Which module the resources are read from now: bytes found in one module say nothing of another.
const void* ResourceModule();

// Loads string id of the module into buffer (capacity in bytes, terminator included); the
// characters copied, 0 when there is no such string or no room at all.
int LoadModuleString(unsigned int id, char* buffer, int capacity);
