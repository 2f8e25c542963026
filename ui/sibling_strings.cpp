// The kept handle of the sibling string module.
#include "sibling_strings.h"

namespace {

HMODULE g_sibling = nullptr;

} // namespace

HMODULE SiblingModule()
{
    if (!g_sibling)
        g_sibling = ::LoadLibraryA(kSiblingModuleName);
    return g_sibling;
}

void ReleaseSiblingModule()
{
    if (g_sibling)
        ::FreeLibrary(g_sibling);
    g_sibling = nullptr;
}
