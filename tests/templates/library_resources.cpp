// Loads the library once and reads its resources without going through the dialog manager.
#include "library_resources.h"

namespace template_test {
namespace {

BOOL CALLBACK CollectId(HMODULE, LPCSTR, LPSTR name, LONG_PTR ids)
{
    reinterpret_cast<std::set<std::uint16_t>*>(ids)->insert(
        IS_INTRESOURCE(name) ? static_cast<std::uint16_t>(reinterpret_cast<ULONG_PTR>(name)) : 0);
    return TRUE;
}

} // namespace

HMODULE Library()
{
    // Kept loaded for the whole test program.
    static const HMODULE library = LoadLibraryA("QZW9SVB.dll");
    return library;
}

std::set<std::uint16_t> ResourceIds(LPCSTR type)
{
    std::set<std::uint16_t> ids;
    EnumResourceNamesA(Library(), type, CollectId, reinterpret_cast<LONG_PTR>(&ids));
    return ids;
}

std::pair<const std::uint8_t*, std::size_t> ResourceBytes(std::uint16_t id, LPCSTR type)
{
    HRSRC found = FindResourceA(Library(), MAKEINTRESOURCEA(id), type);
    if (found == nullptr)
        return {nullptr, 0};
    HGLOBAL loaded = LoadResource(Library(), found);
    return {static_cast<const std::uint8_t*>(LockResource(loaded)), SizeofResource(Library(), found)};
}

} // namespace template_test
