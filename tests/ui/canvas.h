// A 32-bit memory canvas for drawing tests: an owner-draw record over it, and bitmaps with
// chosen pixels to draw.
#pragma once
#include <windows.h>

#include <vector>

#include "harness/window_capture.h"

class Canvas {
public:
    Canvas(int width, int height, COLORREF background);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC dc() const { return m_dc; }
    // An owner-draw record for item id over rectangle item of this canvas.
    DRAWITEMSTRUCT Item(UINT id, const RECT& item) const;
    Image Pixels() const;

private:
    HDC m_dc;
    HBITMAP m_bitmap;
    HGDIOBJ m_previous;
    int m_width;
    int m_height;
};

// A screen-compatible bitmap whose pixels, row by row, are the given colours.
HBITMAP MakeBitmap(int width, int height, const std::vector<COLORREF>& pixels);
// The colours of a bitmap's pixels, row by row.
std::vector<COLORREF> ReadBitmap(HBITMAP bitmap);
