// Every bitmap resource of the library: its id, file, size, colour depth, palette and drawing.
#pragma once
#include <cstdint>
#include <string_view>
#include "bmp_file.h"
#include "canvas.h"
#include "palette.h"

namespace qz_bitmaps {

struct BitmapEntry {
    std::uint16_t id;
    std::string_view fileName;  // under resources/bitmaps
    int width;
    int height;
    int bitsPerPixel;
    const Palette& (*palette)();
    void (*draw)(Canvas&);
};

extern const BitmapEntry kCatalogue[13];

// The picture of entry drawn on a fresh canvas filled with the key colour.
Canvas DrawEntry(const BitmapEntry& entry);

// The bitmap file of entry, as committed under resources/bitmaps.
Bytes BuildBitmapFile(const BitmapEntry& entry);

} // namespace qz_bitmaps
