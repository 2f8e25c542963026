// Writes a canvas as an uncompressed Windows bitmap file (BITMAPFILEHEADER, BITMAPINFOHEADER,
// colour table, bottom-up rows padded to four bytes), the form the resource compiler stores.
#pragma once
#include <cstdint>
#include <vector>
#include "canvas.h"
#include "palette.h"

namespace qz_bitmaps {

using Bytes = std::vector<std::uint8_t>;

inline constexpr std::size_t kFileHeaderSize = 14;
inline constexpr std::size_t kInfoHeaderSize = 40;

// bitsPerPixel is 4 or 8; the whole palette is written and counted as the colours used.
// Throws std::invalid_argument when the palette does not fit the depth or a pixel lies
// outside the palette.
Bytes EncodeBmp(const Canvas& canvas, const Palette& palette, int bitsPerPixel);

// Bytes of one stored row, padded to a multiple of four.
std::size_t RowStride(int width, int bitsPerPixel);

} // namespace qz_bitmaps
