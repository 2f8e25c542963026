// A PNG file of 8-bit RGB written row by row through libpng, with its resolution: only one row
// is held at a time, however tall the image.
#pragma once
#include <png.h>
#include <stdint.h>
#include <stdio.h>

#include <string>

class PngRows {
public:
    PngRows() = default;
    PngRows(const PngRows&) = delete;
    PngRows& operator=(const PngRows&) = delete;
    ~PngRows() { Close(); }

    // Each answers false when the file cannot be written; Close also ends a file left open.
    bool Open(const std::string& path, unsigned width, unsigned height, unsigned dpi);
    bool Row(const uint8_t* rgb);
    bool Close();

private:
    bool Finish();

    FILE* file_ = nullptr;
    png_structp png_ = nullptr;
    png_infop info_ = nullptr;
};
