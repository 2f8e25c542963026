// The display probe: one hidden top-level window, made and destroyed once per process.
#include "display_probe.h"

#include <windows.h>

bool DisplayAvailable()
{
    static const bool available = [] {
        HWND probe = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
        if (probe == nullptr)
            return false;
        DestroyWindow(probe);
        return true;
    }();
    return available;
}
