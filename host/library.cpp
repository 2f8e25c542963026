// Loading and releasing the library.
#include "library.h"

Library::Library(const char* name) : m_module(::LoadLibraryA(name)) {}

Library::~Library()
{
    if (m_module)
        ::FreeLibrary(m_module);
}
