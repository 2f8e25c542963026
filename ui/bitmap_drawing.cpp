// Bitmap drawing for owner-drawn items: key-colour replacement, natural-size and fitted copies,
// and the etched separator. Every GDI object made here is released before the call returns.
#include "bitmap_drawing.h"

namespace {

// Free pixels a fitted bitmap keeps at each side when it has to be shrunk.
constexpr int kFittedMargin = 2;
constexpr int kPercent = 100;

bool BitmapSize(HBITMAP bitmap, int* width, int* height)
{
    BITMAP description;
    if (!::GetObjectA(bitmap, sizeof(description), &description))
        return false;
    *width = description.bmWidth;
    *height = description.bmHeight;
    return *width > 0 && *height > 0;
}

// A memory context holding the bitmap for the life of the object (an empty context for a null
// bitmap).
class SelectedBitmap {
public:
    SelectedBitmap(HDC compatibleWith, HBITMAP bitmap)
        : m_dc(::CreateCompatibleDC(compatibleWith)), m_previous(nullptr)
    {
        if (m_dc && bitmap)
            m_previous = ::SelectObject(m_dc, bitmap);
    }
    ~SelectedBitmap()
    {
        if (!m_dc)
            return;
        if (m_previous)
            ::SelectObject(m_dc, m_previous);
        ::DeleteDC(m_dc);
    }
    SelectedBitmap(const SelectedBitmap&) = delete;
    SelectedBitmap& operator=(const SelectedBitmap&) = delete;

    HDC dc() const { return m_dc; }

private:
    HDC m_dc;
    HGDIOBJ m_previous;
};

void DrawLine(HDC dc, int left, int right, int y, COLORREF colour)
{
    HPEN pen = ::CreatePen(PS_INSIDEFRAME, 0, colour);
    if (!pen)
        return;
    HGDIOBJ previous = ::SelectObject(dc, pen);
    ::MoveToEx(dc, left, y, nullptr);
    ::LineTo(dc, right, y); // the end point itself stays unpainted
    ::SelectObject(dc, previous);
    ::DeleteObject(pen);
}

void FillWithColour(HDC dc, int width, int height, COLORREF colour)
{
    HBRUSH brush = ::CreateSolidBrush(colour);
    if (!brush)
        return;
    HGDIOBJ previous = ::SelectObject(dc, brush);
    ::PatBlt(dc, 0, 0, width, height, PATCOPY);
    ::SelectObject(dc, previous);
    ::DeleteObject(brush);
}

// Selects the bitmap into a memory context compatible with the item's and hands draw that
// context and the bitmap's size; nothing happens when the bitmap, the item, the size or the
// context is missing.
template <typename Draw> void CopyFromBitmap(HBITMAP bitmap, const DRAWITEMSTRUCT* item, Draw draw)
{
    if (!bitmap || !item)
        return;
    int width = 0;
    int height = 0;
    if (!BitmapSize(bitmap, &width, &height))
        return;
    SelectedBitmap source(item->hDC, bitmap);
    if (source.dc())
        draw(source.dc(), width, height);
}

// Centred at natural size with more than the margin free both ways, else shrunk to fit.
void DrawFitted(const DRAWITEMSTRUCT* item, HDC source, int width, int height)
{
    const RECT& area = item->rcItem;
    // Item coordinates are 16-bit quantities; the slack is taken at that width.
    const SHORT slackX = static_cast<SHORT>(area.right - width - area.left);
    const SHORT slackY = static_cast<SHORT>(area.bottom - height - area.top);
    if (slackX > kFittedMargin && slackY > kFittedMargin) {
        ::BitBlt(item->hDC, area.left + slackX / 2, area.top + slackY / 2, width, height, source, 0, 0,
                 SRCCOPY);
        return;
    }

    const int margins = 2 * kFittedMargin * kPercent;
    const int percentX = (kPercent * area.right - kPercent * area.left - margins) / width;
    const int percentY = (kPercent * area.bottom - kPercent * area.top - margins) / height;
    const int percent = percentX < percentY ? percentX : percentY;
    if (percent <= 0)
        return; // an item too small to leave the margins shows nothing
    const int drawnWidth = width * percent / kPercent;
    const int drawnHeight = height * percent / kPercent;
    const int x = area.left + (area.right - area.left - drawnWidth) / 2;
    const int y = area.top + (area.bottom - area.top - drawnHeight) / 2;
    ::StretchBlt(item->hDC, x, y, drawnWidth, drawnHeight, source, 0, 0, width, height, SRCCOPY);
}

} // namespace

void ReplaceKeyColourWith(HBITMAP bitmap, HDC reference, COLORREF face)
{
    if (!reference || !bitmap || face == kKeyColour)
        return;
    int width = 0;
    int height = 0;
    if (!BitmapSize(bitmap, &width, &height))
        return;

    HBITMAP maskBitmap = ::CreateBitmap(width, height, 1, 1, nullptr);
    HBITMAP workBitmap = ::CreateCompatibleBitmap(reference, width, height);
    {
        SelectedBitmap source(reference, bitmap);
        SelectedBitmap mask(reference, maskBitmap);
        SelectedBitmap work(reference, workBitmap);
        if (maskBitmap && workBitmap && source.dc() && mask.dc() && work.dc()) {
            FillWithColour(work.dc(), width, height, face);
            // Colour to monochrome: pixels of the source's background colour become 1.
            ::SetBkColor(source.dc(), kKeyColour);
            ::BitBlt(mask.dc(), 0, 0, width, height, source.dc(), 0, 0, SRCCOPY);
            // face ^ pixel, kept only under the mask, ^ pixel: face where the key was, the
            // pixel itself elsewhere.
            ::BitBlt(work.dc(), 0, 0, width, height, source.dc(), 0, 0, SRCINVERT);
            ::BitBlt(work.dc(), 0, 0, width, height, mask.dc(), 0, 0, SRCAND);
            ::BitBlt(work.dc(), 0, 0, width, height, source.dc(), 0, 0, SRCINVERT);
            ::BitBlt(source.dc(), 0, 0, width, height, work.dc(), 0, 0, SRCCOPY);
        }
    }
    if (maskBitmap)
        ::DeleteObject(maskBitmap);
    if (workBitmap)
        ::DeleteObject(workBitmap);
}

void DrawBitmapAt(HBITMAP bitmap, const DRAWITEMSTRUCT* item)
{
    CopyFromBitmap(bitmap, item, [item](HDC source, int width, int height) {
        ::BitBlt(item->hDC, item->rcItem.left, item->rcItem.top, width, height, source, 0, 0, SRCCOPY);
    });
}

void DrawBitmapFitted(HBITMAP bitmap, const DRAWITEMSTRUCT* item)
{
    CopyFromBitmap(bitmap, item, [item](HDC source, int width, int height) { DrawFitted(item, source, width, height); });
}

void DrawEtchedLine(const DRAWITEMSTRUCT* item, COLORREF first, COLORREF second)
{
    if (!item)
        return;
    const RECT& area = item->rcItem;
    DrawLine(item->hDC, area.left, area.right, area.top, first);
    DrawLine(item->hDC, area.left, area.right, area.top + 1, second);
}
