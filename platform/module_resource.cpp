// Finding, loading and locking a resource of the library's module, and its strings.
#include "module_resource.h"

#include "module_instance.h"

ModuleResource::ModuleResource(LPCSTR type, unsigned int id) : m_found(false), m_loaded(nullptr), m_size(0), m_bytes(nullptr)
{
    HRSRC found = ::FindResourceExA(ModuleInstance, type, MAKEINTRESOURCEA(id & kLargestResourceId),
                                    MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL));
    if (!found)
        return;
    m_found = true;
    m_size = ::SizeofResource(ModuleInstance, found);
    m_loaded = ::LoadResource(ModuleInstance, found);
    if (m_loaded)
        m_bytes = ::LockResource(m_loaded);
}

ModuleResource::~ModuleResource()
{
    if (m_loaded)
        ::FreeResource(m_loaded);
}

const void* ResourceModule()
{
    return ModuleInstance;
}

int LoadModuleString(unsigned int id, char* buffer, int capacity)
{
    if (!buffer || capacity <= 0) // a capacity of 0 would ask for a read-only pointer instead
        return 0;
    return ::LoadStringA(ModuleInstance, id & kLargestResourceId, buffer, capacity);
}
