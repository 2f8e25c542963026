// GDI objects counted by probing every 16-bit handle value.
#include "gdi_count.h"

#include <windows.h>

namespace {

constexpr UINT_PTR kHandleValues = 0x10000;

} // namespace

int CountGdiObjects()
{
    int count = 0;
    for (UINT_PTR value = 1; value < kHandleValues; ++value)
        if (::GetObjectType(reinterpret_cast<HGDIOBJ>(value)))
            ++count;
    return count;
}
