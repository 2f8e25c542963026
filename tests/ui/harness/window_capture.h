// Pixels of a window as it is painted, copied into a 32-bit top-down image.
#pragma once
#include <windows.h>

#include <cstdint>
#include <vector>

struct Image {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels; // 0x00RRGGBB, row by row from the top

    bool Empty() const { return pixels.empty(); }
    // The pixel at (x, y) as a COLORREF (0x00BBGGRR), for comparing with GDI colours.
    COLORREF At(int x, int y) const;
    // The smallest rectangle holding every pixel that differs from background; empty when none.
    RECT BoundsOfPixelsOtherThan(COLORREF background) const;
};

// Copies what a device context shows in (0, 0, width, height).
Image CaptureDC(HDC dc, int width, int height);
// Repaints the window's top-level window with all its children, then copies its client area
// (CaptureClientArea) or the whole window with caption and frame (CaptureWholeWindow).
Image CaptureClientArea(HWND window);
Image CaptureWholeWindow(HWND window);
