// Writes one synthetic A4 page at 600 dpi in the forms a printer is given it: CUPS raster (for
// the CUPS filter), PWG raster, PNG and JPEG (for the printer application), every form with the
// same pixels but for the JPEG's compression. The sheet is as PAPPL lays out A4 at 600 dpi:
// 4960 x 7015 pixels.
//
//   make_page FOLDER      writes FOLDER/page.ras, page.pwg, page.png, page.jpg
#include <cups/raster.h>
#include <fcntl.h>
#include <stdio.h> // before jpeglib.h, which uses FILE
#include <unistd.h>
#include <jpeglib.h>

#include <string>
#include <vector>

#include "common/raster_header.h"
#include "png_rows.h"

namespace {

constexpr unsigned kWidth = 4960, kHeight = 7015, kDpi = 600;

// A black square, a cyan patch, grey bars like a line of text and a colour gradient.
void Row(unsigned y, std::vector<unsigned char>& rgb)
{
    for (unsigned x = 0; x < kWidth; ++x) {
        unsigned char* pixel = &rgb[3 * x];
        pixel[0] = pixel[1] = pixel[2] = 255;
        if (y >= 1200 && y < 1800 && x >= 1200 && x < 1800)
            pixel[0] = pixel[1] = pixel[2] = 0;
        else if (y >= 1200 && y < 1800 && x >= 2400 && x < 3000)
            pixel[0] = 0;
        else if (y >= 3000 && y < 3300 && x >= 1200 && x < 3600 && x % 120 < 80)
            pixel[0] = pixel[1] = pixel[2] = 128;
        else if (y >= 4000 && y < 5600 && x >= 600 && x < 4360) {
            const double t = (x - 600) / 3760.0, s = (y - 4000) / 1600.0;
            pixel[0] = static_cast<unsigned char>(230 - 200 * t);
            pixel[1] = static_cast<unsigned char>(50 + 150 * s);
            pixel[2] = static_cast<unsigned char>(30 + 200 * t * (1 - s));
        }
    }
}

bool WriteRaster(const std::string& path, cups_mode_t mode)
{
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    cups_raster_t* raster = cupsRasterOpen(fd, mode);
    cups_page_header2_t header = SrgbA4PageHeader(kWidth, kHeight);
    bool ok = raster && cupsRasterWriteHeader2(raster, &header);
    std::vector<unsigned char> rgb(3 * kWidth);
    for (unsigned y = 0; ok && y < kHeight; ++y) {
        Row(y, rgb);
        ok = cupsRasterWritePixels(raster, rgb.data(), header.cupsBytesPerLine) == header.cupsBytesPerLine;
    }
    cupsRasterClose(raster);
    return close(fd) == 0 && ok;
}

bool WritePng(const std::string& path)
{
    PngRows png;
    bool ok = png.Open(path, kWidth, kHeight, kDpi);
    std::vector<unsigned char> rgb(3 * kWidth);
    for (unsigned y = 0; ok && y < kHeight; ++y) {
        Row(y, rgb);
        ok = png.Row(rgb.data());
    }
    return png.Close() && ok;
}

bool WriteJpeg(const std::string& path)
{
    FILE* file = fopen(path.c_str(), "wb");
    if (!file)
        return false;
    jpeg_compress_struct jpeg;
    jpeg_error_mgr errors;
    jpeg.err = jpeg_std_error(&errors);
    jpeg_create_compress(&jpeg);
    jpeg_stdio_dest(&jpeg, file);
    jpeg.image_width = kWidth;
    jpeg.image_height = kHeight;
    jpeg.input_components = 3;
    jpeg.in_color_space = JCS_RGB;
    jpeg_set_defaults(&jpeg);
    jpeg_set_quality(&jpeg, 95, TRUE);
    jpeg.density_unit = 1; // dots per inch
    jpeg.X_density = jpeg.Y_density = kDpi;
    jpeg_start_compress(&jpeg, TRUE);
    std::vector<unsigned char> rgb(3 * kWidth);
    for (unsigned y = 0; y < kHeight; ++y) {
        Row(y, rgb);
        JSAMPROW row = rgb.data();
        jpeg_write_scanlines(&jpeg, &row, 1);
    }
    jpeg_finish_compress(&jpeg);
    jpeg_destroy_compress(&jpeg);
    return fclose(file) == 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        fputs("usage: make_page FOLDER\n", stderr);
        return 2;
    }
    const std::string folder = argv[1];
    const bool ok = WriteRaster(folder + "/page.ras", CUPS_RASTER_WRITE) && WriteRaster(folder + "/page.pwg", CUPS_RASTER_WRITE_PWG) &&
                    WritePng(folder + "/page.png") && WriteJpeg(folder + "/page.jpg");
    if (!ok)
        fprintf(stderr, "make_page: cannot write the page in %s\n", folder.c_str());
    return ok ? 0 : 1;
}
