// Centring a window over a reference window, clamped at the top and left screen edges.
#include "centre_window.h"

void CentreWindow(HWND window, HWND reference)
{
    RECT own = {};
    RECT over = {};
    ::GetWindowRect(window, &own);
    ::GetWindowRect(reference, &over);
    const int width = own.right - own.left;
    const int height = own.bottom - own.top;
    int x = over.left + (over.right - over.left - width) / 2;
    int y = over.top + (over.bottom - over.top - height) / 2;
    if (x < 0)
        x = 0;
    if (y < 0)
        y = 0;
    ::SetWindowPos(window, nullptr, x, y, width, height, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
