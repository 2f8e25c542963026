// libpng reports errors by a long jump, so every call into it stays inside the members below,
// which hold nothing that needs destroying.
#include "png_rows.h"

#include <cmath>

namespace {
constexpr double kMetresPerInch = 0.0254;
} // namespace

bool PngRows::Open(const std::string& path, unsigned width, unsigned height, unsigned dpi)
{
    file_ = fopen(path.c_str(), "wb");
    if (!file_)
        return false;
    png_ = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    info_ = png_ ? png_create_info_struct(png_) : nullptr;
    if (!info_ || setjmp(png_jmpbuf(png_)))
        return false;
    png_init_io(png_, file_);
    png_set_IHDR(png_, info_, width, height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    const png_uint_32 perMetre = static_cast<png_uint_32>(std::lround(dpi / kMetresPerInch));
    png_set_pHYs(png_, info_, perMetre, perMetre, PNG_RESOLUTION_METER);
    png_write_info(png_, info_);
    return true;
}

bool PngRows::Row(const uint8_t* rgb)
{
    if (!png_ || setjmp(png_jmpbuf(png_)))
        return false;
    png_write_row(png_, rgb);
    return true;
}

bool PngRows::Close()
{
    bool ok = png_ && info_ && Finish();
    png_destroy_write_struct(png_ ? &png_ : nullptr, info_ ? &info_ : nullptr);
    png_ = nullptr;
    info_ = nullptr;
    ok = file_ && fclose(file_) == 0 && ok;
    file_ = nullptr;
    return ok;
}

bool PngRows::Finish()
{
    if (setjmp(png_jmpbuf(png_)))
        return false;
    png_write_end(png_, info_);
    return true;
}
