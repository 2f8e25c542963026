// Centring a window over a reference window or the desktop; the two clamp differently at the
// top and left screen edges.
#include "centre_window.h"

namespace {

struct Placement {
    int x, y, width, height;
};

// Where window's middle lies over reference's middle (division truncating toward zero).
Placement CentredOver(HWND window, HWND reference)
{
    RECT own = {};
    RECT over = {};
    ::GetWindowRect(window, &own);
    ::GetWindowRect(reference, &over);
    const int width = own.right - own.left;
    const int height = own.bottom - own.top;
    return {over.left + (over.right - over.left - width) / 2, over.top + (over.bottom - over.top - height) / 2,
            width, height};
}

} // namespace

void CentreWindow(HWND window, HWND reference)
{
    Placement place = CentredOver(window, reference);
    if (place.x < 0)
        place.x = 0;
    if (place.y < 0)
        place.y = 0;
    ::SetWindowPos(window, nullptr, place.x, place.y, place.width, place.height,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CentreOnDesktop(HWND window)
{
    Placement place = CentredOver(window, ::GetDesktopWindow());
    if (place.x < 0 || place.y < 0)
        place.x = place.y = 0;
    ::SetWindowPos(window, nullptr, place.x, place.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ::UpdateWindow(window);
}
