// Drawing primitives of the canvas, all in integer arithmetic so the output is reproducible.
#include "canvas.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

namespace qz_bitmaps {

Canvas::Canvas(int width, int height, std::uint8_t background)
    : width_(width), height_(height)
{
    if (width <= 0 || height <= 0)
        throw std::invalid_argument("canvas size must be positive");
    pixels_.assign(static_cast<std::size_t>(width) * height, background);
}

std::uint8_t Canvas::At(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        throw std::out_of_range("pixel outside the canvas");
    return pixels_[static_cast<std::size_t>(y) * width_ + x];
}

void Canvas::Plot(int x, int y, std::uint8_t colour)
{
    if (x >= 0 && y >= 0 && x < width_ && y < height_)
        pixels_[static_cast<std::size_t>(y) * width_ + x] = colour;
}

void Canvas::FillRect(int left, int top, int width, int height, std::uint8_t colour)
{
    for (int y = std::max(top, 0); y < std::min(top + height, height_); ++y)
        for (int x = std::max(left, 0); x < std::min(left + width, width_); ++x)
            pixels_[static_cast<std::size_t>(y) * width_ + x] = colour;
}

void Canvas::FrameRect(int left, int top, int width, int height, std::uint8_t colour)
{
    FillRect(left, top, width, 1, colour);
    FillRect(left, top + height - 1, width, 1, colour);
    FillRect(left, top, 1, height, colour);
    FillRect(left + width - 1, top, 1, height, colour);
}

void Canvas::Box(int left, int top, int width, int height, std::uint8_t fill, std::uint8_t border)
{
    FillRect(left, top, width, height, fill);
    FrameRect(left, top, width, height, border);
}

void Canvas::Line(int x0, int y0, int x1, int y1, std::uint8_t colour)
{
    // Bresenham: the line is 8-connected, one pixel per step of the longer axis.
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int stepX = x0 < x1 ? 1 : -1;
    const int stepY = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    for (;;) {
        Plot(x0, y0, colour);
        if (x0 == x1 && y0 == y1)
            break;
        const int doubled = 2 * error;
        if (doubled >= dy) {
            error += dy;
            x0 += stepX;
        }
        if (doubled <= dx) {
            error += dx;
            y0 += stepY;
        }
    }
}

void Canvas::FillEllipse(int centreX, int centreY, int radiusX, int radiusY, std::uint8_t colour)
{
    const long long rx2 = static_cast<long long>(radiusX) * radiusX;
    const long long ry2 = static_cast<long long>(radiusY) * radiusY;
    for (int dy = -radiusY; dy <= radiusY; ++dy)
        for (int dx = -radiusX; dx <= radiusX; ++dx)
            if (dx * dx * ry2 + dy * dy * rx2 <= rx2 * ry2)
                Plot(centreX + dx, centreY + dy, colour);
}

void Canvas::FillTriangle(int x0, int y0, int x1, int y1, int x2, int y2, std::uint8_t colour)
{
    // Edge functions on doubled coordinates, so pixel centres (x + 0.5) stay integral.
    auto side = [](long long ax, long long ay, long long bx, long long by, long long px, long long py) {
        return (bx - ax) * (py - ay) - (by - ay) * (px - ax);
    };
    const int left = std::min({x0, x1, x2});
    const int right = std::max({x0, x1, x2});
    const int top = std::min({y0, y1, y2});
    const int bottom = std::max({y0, y1, y2});
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            const long long px = 2LL * x + 1;
            const long long py = 2LL * y + 1;
            const long long a = side(2LL * x0, 2LL * y0, 2LL * x1, 2LL * y1, px, py);
            const long long b = side(2LL * x1, 2LL * y1, 2LL * x2, 2LL * y2, px, py);
            const long long c = side(2LL * x2, 2LL * y2, 2LL * x0, 2LL * y0, px, py);
            if ((a >= 0 && b >= 0 && c >= 0) || (a <= 0 && b <= 0 && c <= 0))
                Plot(x, y, colour);
        }
    }
}

} // namespace qz_bitmaps
