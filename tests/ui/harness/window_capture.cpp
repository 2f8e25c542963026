// Window captures through a DIB section: BitBlt from the window's device context after a
// synchronous repaint, so that owner-drawn items have been painted.
#include "window_capture.h"

#include <cstring>

namespace {

void RepaintNow(HWND window)
{
    HWND topLevel = ::GetAncestor(window, GA_ROOT);
    ::RedrawWindow(topLevel ? topLevel : window, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

Image CaptureWith(HWND window, HDC dc, int width, int height)
{
    Image image;
    if (dc) {
        image = CaptureDC(dc, width, height);
        ::ReleaseDC(window, dc);
    }
    return image;
}

} // namespace

COLORREF Image::At(int x, int y) const
{
    const uint32_t pixel = pixels[static_cast<size_t>(y) * width + x];
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

RECT Image::BoundsOfPixelsOtherThan(COLORREF background) const
{
    RECT bounds = {width, height, 0, 0};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (At(x, y) != background) {
                bounds.left = x < bounds.left ? x : bounds.left;
                bounds.top = y < bounds.top ? y : bounds.top;
                bounds.right = x + 1 > bounds.right ? x + 1 : bounds.right;
                bounds.bottom = y + 1 > bounds.bottom ? y + 1 : bounds.bottom;
            }
    if (bounds.right == 0)
        bounds = RECT{0, 0, 0, 0};
    return bounds;
}

Image CaptureDC(HDC dc, int width, int height)
{
    Image image;
    if (width <= 0 || height <= 0)
        return image;
    BITMAPINFO format = {};
    format.bmiHeader.biSize = sizeof(format.bmiHeader);
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = -height; // top-down rows
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP section = ::CreateDIBSection(dc, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC copy = ::CreateCompatibleDC(dc);
    if (section && copy && bits) {
        HGDIOBJ previous = ::SelectObject(copy, section);
        ::BitBlt(copy, 0, 0, width, height, dc, 0, 0, SRCCOPY);
        ::GdiFlush();
        image.width = width;
        image.height = height;
        image.pixels.resize(static_cast<size_t>(width) * height);
        std::memcpy(image.pixels.data(), bits, image.pixels.size() * sizeof(uint32_t));
        ::SelectObject(copy, previous);
    }
    if (copy)
        ::DeleteDC(copy);
    if (section)
        ::DeleteObject(section);
    return image;
}

Image CaptureClientArea(HWND window)
{
    RepaintNow(window);
    RECT client = {};
    ::GetClientRect(window, &client);
    return CaptureWith(window, ::GetDC(window), client.right, client.bottom);
}

Image CaptureWholeWindow(HWND window)
{
    RepaintNow(window);
    RECT outer = {};
    ::GetWindowRect(window, &outer);
    return CaptureWith(window, ::GetWindowDC(window), outer.right - outer.left, outer.bottom - outer.top);
}
