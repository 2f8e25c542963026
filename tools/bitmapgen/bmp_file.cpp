// Uncompressed 4- and 8-bit bitmap files, little-endian fields, rows from the bottom up.
#include "bmp_file.h"

#include <stdexcept>

namespace qz_bitmaps {
namespace {

void Put16(Bytes& out, std::uint32_t value)
{
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Put32(Bytes& out, std::uint32_t value)
{
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

Bytes PackRow(const Canvas& canvas, int y, int bitsPerPixel)
{
    Bytes row(RowStride(canvas.Width(), bitsPerPixel), 0);
    for (int x = 0; x < canvas.Width(); ++x) {
        const std::uint8_t index = canvas.At(x, y);
        if (bitsPerPixel == 8)
            row[x] = index;
        else  // the left pixel of each pair sits in the high nibble
            row[x / 2] |= static_cast<std::uint8_t>(x % 2 == 0 ? index << 4 : index);
    }
    return row;
}

} // namespace

std::size_t RowStride(int width, int bitsPerPixel)
{
    const std::size_t bits = static_cast<std::size_t>(width) * bitsPerPixel;
    return (bits + 31) / 32 * 4;
}

Bytes EncodeBmp(const Canvas& canvas, const Palette& palette, int bitsPerPixel)
{
    if (bitsPerPixel != 4 && bitsPerPixel != 8)
        throw std::invalid_argument("only 4- and 8-bit bitmaps are written");
    if (palette.empty() || palette.size() > (std::size_t{1} << bitsPerPixel))
        throw std::invalid_argument("palette does not fit the colour depth");
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x)
            if (canvas.At(x, y) >= palette.size())
                throw std::invalid_argument("pixel colour outside the palette");

    const std::size_t imageSize = RowStride(canvas.Width(), bitsPerPixel) * canvas.Height();
    const std::size_t bitsOffset = kFileHeaderSize + kInfoHeaderSize + 4 * palette.size();
    Bytes out;
    out.reserve(bitsOffset + imageSize);

    out.push_back('B');
    out.push_back('M');
    Put32(out, static_cast<std::uint32_t>(bitsOffset + imageSize));
    Put32(out, 0);  // two reserved words
    Put32(out, static_cast<std::uint32_t>(bitsOffset));

    Put32(out, kInfoHeaderSize);
    Put32(out, static_cast<std::uint32_t>(canvas.Width()));
    Put32(out, static_cast<std::uint32_t>(canvas.Height()));  // positive: bottom-up rows
    Put16(out, 1);                                            // planes
    Put16(out, static_cast<std::uint32_t>(bitsPerPixel));
    Put32(out, 0);  // BI_RGB, uncompressed
    Put32(out, static_cast<std::uint32_t>(imageSize));
    Put32(out, 0);  // no preferred resolution
    Put32(out, 0);
    Put32(out, static_cast<std::uint32_t>(palette.size()));  // colours used
    Put32(out, 0);                                           // all of them important

    for (const Rgb& colour : palette) {
        out.push_back(colour.blue);
        out.push_back(colour.green);
        out.push_back(colour.red);
        out.push_back(0);
    }
    for (int y = canvas.Height() - 1; y >= 0; --y) {
        const Bytes row = PackRow(canvas, y, bitsPerPixel);
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

} // namespace qz_bitmaps
