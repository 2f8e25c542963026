// Drawing of the dialogs' bitmaps and separator lines into an owner-drawn item.
#pragma once
#include <windows.h>

// Dark red (red 128): the areas of a bitmap that are to show the dialog background.
constexpr COLORREF kKeyColour = RGB(128, 0, 0);

// Turns every pixel of exactly the key colour into the face colour; all other pixels keep their
// value. reference is the context the bitmap will be drawn into. Leaves the bitmap as it is when
// face is the key colour itself or the work bitmaps cannot be made.
void ReplaceKeyColourWith(HBITMAP bitmap, HDC reference, COLORREF face);

// Copies the bitmap at its natural size to the item's top-left corner, without clipping.
void DrawBitmapAt(HBITMAP bitmap, const DRAWITEMSTRUCT* item);

// Centres the bitmap in the item at its natural size when more than 2 pixels stay free in both
// directions; otherwise shrinks it by a whole percentage, keeping its aspect ratio, so that at
// least 2 pixels stay free on each side, and centres that.
void DrawBitmapFitted(HBITMAP bitmap, const DRAWITEMSTRUCT* item);

// A one-pixel line in the first colour along the item's top row and one in the second colour on
// the row below, from the left edge up to (not including) the right edge.
void DrawEtchedLine(const DRAWITEMSTRUCT* item, COLORREF first, COLORREF second);
