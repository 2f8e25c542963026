// Canvas and test bitmaps, made and read through plain GDI calls.
#include "canvas.h"

namespace {

// A screen-compatible memory context, with the bitmap selected while the object lives.
class Selected {
public:
    explicit Selected(HBITMAP bitmap) : m_screen(::GetDC(nullptr)), m_dc(::CreateCompatibleDC(m_screen))
    {
        m_previous = ::SelectObject(m_dc, bitmap);
    }
    ~Selected()
    {
        ::SelectObject(m_dc, m_previous);
        ::DeleteDC(m_dc);
        ::ReleaseDC(nullptr, m_screen);
    }
    HDC dc() const { return m_dc; }

private:
    HDC m_screen;
    HDC m_dc;
    HGDIOBJ m_previous;
};

} // namespace

Canvas::Canvas(int width, int height, COLORREF background)
    : m_dc(::CreateCompatibleDC(nullptr)), m_bitmap(nullptr), m_previous(nullptr), m_width(width), m_height(height)
{
    BITMAPINFO format = {};
    format.bmiHeader.biSize = sizeof(format.bmiHeader);
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = -height;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    m_bitmap = ::CreateDIBSection(m_dc, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
    m_previous = ::SelectObject(m_dc, m_bitmap);
    HBRUSH fill = ::CreateSolidBrush(background);
    RECT all = {0, 0, width, height};
    ::FillRect(m_dc, &all, fill);
    ::DeleteObject(fill);
}

Canvas::~Canvas()
{
    ::SelectObject(m_dc, m_previous);
    ::DeleteObject(m_bitmap);
    ::DeleteDC(m_dc);
}

DRAWITEMSTRUCT Canvas::Item(UINT id, const RECT& item) const
{
    DRAWITEMSTRUCT record = {};
    record.CtlType = ODT_BUTTON;
    record.CtlID = id;
    record.itemAction = ODA_DRAWENTIRE;
    record.hDC = m_dc;
    record.rcItem = item;
    return record;
}

Image Canvas::Pixels() const
{
    return CaptureDC(m_dc, m_width, m_height);
}

HBITMAP MakeBitmap(int width, int height, const std::vector<COLORREF>& pixels)
{
    HDC screen = ::GetDC(nullptr);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, width, height);
    ::ReleaseDC(nullptr, screen);
    Selected target(bitmap);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            ::SetPixel(target.dc(), x, y, pixels[static_cast<size_t>(y) * width + x]);
    return bitmap;
}

std::vector<COLORREF> ReadBitmap(HBITMAP bitmap)
{
    BITMAP size = {};
    ::GetObjectA(bitmap, sizeof(size), &size);
    std::vector<COLORREF> pixels;
    Selected source(bitmap);
    for (int y = 0; y < size.bmHeight; ++y)
        for (int x = 0; x < size.bmWidth; ++x)
            pixels.push_back(::GetPixel(source.dc(), x, y));
    return pixels;
}
