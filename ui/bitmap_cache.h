// The library's bitmaps with the key colour already replaced, made once per process for the
// button-face colour of the moment instead of at every dialog's first paint.
#pragma once
#include <windows.h>

// Bitmap id of the library's module, converted for the current button-face colour; the cache
// keeps it (callers must not delete it) until the face colour or the module changes, or the
// library unloads. Null when the bitmap cannot be loaded; the next call tries again.
HBITMAP ConvertedBitmap(USHORT id, HDC reference);
