// A paletted picture being drawn: one palette index per pixel, origin top-left, with the few
// shapes the illustrations are made of. Everything drawn is clipped to the canvas.
#pragma once
#include <cstdint>
#include <vector>

namespace qz_bitmaps {

class Canvas {
public:
    // A new canvas is filled with background.
    Canvas(int width, int height, std::uint8_t background);

    int Width() const { return width_; }
    int Height() const { return height_; }
    std::uint8_t At(int x, int y) const;

    void Plot(int x, int y, std::uint8_t colour);
    void FillRect(int left, int top, int width, int height, std::uint8_t colour);
    // One-pixel border inside the rectangle.
    void FrameRect(int left, int top, int width, int height, std::uint8_t colour);
    // A filled rectangle with a one-pixel border of another colour.
    void Box(int left, int top, int width, int height, std::uint8_t fill, std::uint8_t border);
    // Both end points included.
    void Line(int x0, int y0, int x1, int y1, std::uint8_t colour);
    void FillEllipse(int centreX, int centreY, int radiusX, int radiusY, std::uint8_t colour);
    // Every pixel whose centre lies inside the triangle, or on its edges.
    void FillTriangle(int x0, int y0, int x1, int y1, int x2, int y2, std::uint8_t colour);

private:
    int width_;
    int height_;
    std::vector<std::uint8_t> pixels_;
};

} // namespace qz_bitmaps
