// Placing a dialog over the middle of another window.
#pragma once
#include <windows.h>

// Moves window so that its middle lies over the middle of reference, without resizing,
// reordering or activating it. A coordinate that would be negative becomes 0; nothing keeps the
// window from running off the right or bottom edge.
void CentreWindow(HWND window, HWND reference);
