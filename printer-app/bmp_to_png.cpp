// bmp_to_png: converts one of the library's dialog bitmaps (uncompressed, 4 or 8 bits with a
// colour table, bottom-up) to a PNG for the maintenance pages. The bitmaps mark with dark red
// (128, 0, 0) where the dialog's background shows; in the PNG those pixels are transparent, so
// the page's own background shows there.
//
//   bmp_to_png IN.bmp OUT.png
#include <png.h>
#include <stdio.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr size_t kInfoHeaderSize = 40;
constexpr uint8_t kBackgroundRed = 128;

uint32_t Little(const std::vector<uint8_t>& bytes, size_t at, int count)
{
    uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = value << 8 | bytes[at + static_cast<size_t>(i)];
    return value;
}

// The pixels as RGBA, top row first; empty when the file is not a bitmap this tool reads.
std::vector<uint8_t> DecodeBmp(const std::vector<uint8_t>& file, uint32_t* width, uint32_t* height)
{
    if (file.size() < kFileHeaderSize + kInfoHeaderSize || file[0] != 'B' || file[1] != 'M')
        return {};
    const uint32_t pixelsAt = Little(file, 10, 4);
    *width = Little(file, 18, 4);
    *height = Little(file, 22, 4);
    const uint32_t bits = Little(file, 28, 2), compression = Little(file, 30, 4);
    uint32_t colours = Little(file, 46, 4);
    if ((bits != 4 && bits != 8) || compression != 0)
        return {};
    colours = colours ? colours : 1u << bits;
    const size_t stride = (static_cast<size_t>(*width) * bits + 31) / 32 * 4;
    const size_t paletteAt = kFileHeaderSize + kInfoHeaderSize;
    if (paletteAt + colours * 4 > file.size() || pixelsAt + stride * *height > file.size())
        return {};
    std::vector<uint8_t> rgba;
    rgba.reserve(static_cast<size_t>(*width) * *height * 4);
    for (uint32_t row = 0; row < *height; ++row) {
        const uint8_t* line = file.data() + pixelsAt + stride * (*height - 1 - row);
        for (uint32_t x = 0; x < *width; ++x) {
            const unsigned index = bits == 8 ? line[x] : (line[x / 2] >> (x % 2 ? 0 : 4)) & 0x0F;
            if (index >= colours)
                return {};
            const uint8_t* entry = file.data() + paletteAt + index * 4; // blue, green, red, reserved
            const bool background = entry[2] == kBackgroundRed && entry[1] == 0 && entry[0] == 0;
            rgba.insert(rgba.end(), {entry[2], entry[1], entry[0], static_cast<uint8_t>(background ? 0 : 255)});
        }
    }
    return rgba;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        fputs("usage: bmp_to_png IN.bmp OUT.png\n", stderr);
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    const std::vector<uint8_t> file{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    uint32_t width = 0, height = 0;
    const std::vector<uint8_t> rgba = DecodeBmp(file, &width, &height);
    if (rgba.empty()) {
        fprintf(stderr, "bmp_to_png: %s is not an uncompressed 4- or 8-bit bitmap\n", argv[1]);
        return 1;
    }
    png_image image = {};
    image.version = PNG_IMAGE_VERSION;
    image.width = width;
    image.height = height;
    image.format = PNG_FORMAT_RGBA;
    if (!png_image_write_to_file(&image, argv[2], 0, rgba.data(), 0, nullptr)) {
        fprintf(stderr, "bmp_to_png: %s: %s\n", argv[2], image.message);
        return 1;
    }
    return 0;
}
