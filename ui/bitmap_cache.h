// The library's bitmaps with the key colour already replaced, made once per process and face
// colour instead of at every dialog's first paint.
#pragma once
#include <windows.h>

// Bitmap id of the library's module with its key colour replaced by face (callers pass the
// button-face colour they read at the paint). The cache keeps it, and callers must not delete
// it, until it is asked for the id with another face or from another module, or the library
// unloads. Null when the bitmap cannot be loaded; the next call tries again.
HBITMAP ConvertedBitmap(USHORT id, HDC reference, COLORREF face);
