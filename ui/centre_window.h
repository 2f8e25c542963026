// Placing a dialog over the middle of another window.
#pragma once
#include <windows.h>

// Moves window so that its middle lies over the middle of reference, without resizing,
// reordering or activating it. A coordinate that would be negative becomes 0; nothing keeps the
// window from running off the right or bottom edge.
void CentreWindow(HWND window, HWND reference);

// Moves window to the middle of the desktop and repaints it; when it is larger than the desktop
// in either direction it goes to the top-left corner.
void CentreOnDesktop(HWND window);
