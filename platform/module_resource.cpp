// Finding, loading and locking a resource of the library's module, and its strings.
#include "module_resource.h"

#include "module_instance.h"

ModuleResource::ModuleResource(LPCSTR type, unsigned int id)
    : m_found(::FindResourceExA(ModuleInstance, type, MAKEINTRESOURCEA(id & kLargestResourceId),
                                MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL))),
      m_loaded(nullptr), m_size(0), m_bytes(nullptr)
{
    if (!m_found)
        return;
    m_size = ::SizeofResource(ModuleInstance, m_found);
    m_loaded = ::LoadResource(ModuleInstance, m_found);
    if (m_loaded)
        m_bytes = ::LockResource(m_loaded);
}

ModuleResource::~ModuleResource()
{
    if (m_loaded)
        ::FreeResource(m_loaded);
}

int LoadModuleString(unsigned int id, char* buffer, int capacity)
{
    if (!buffer || capacity <= 0) // a capacity of 0 would ask for a read-only pointer instead
        return 0;
    return ::LoadStringA(ModuleInstance, id & kLargestResourceId, buffer, capacity);
}
