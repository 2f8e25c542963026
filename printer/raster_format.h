// The form of a raster: its colour components, each with its resolutions and intensity levels,
// as configure-raster-data (ESC *g#W, format 2) declares them. A component with L levels is sent
// as ceil(log2 L) bit planes, least significant first; a row group covers one row at the lowest
// vertical resolution and holds, per component in order, its rows at its own vertical
// resolution, each as all its planes.
#pragma once
#include <stddef.h>
#include <stdint.h>

// One plane's row: packed dots, the leftmost in the high bit of the first byte.
struct PlaneRow {
    const uint8_t* bytes;
    size_t size;
};

struct RasterComponent {
    uint16_t xDpi;
    uint16_t yDpi;
    uint16_t levels;
};

constexpr size_t kMaxComponents = 8;
constexpr size_t kMaxPlanesPerGroup = 64;

struct RasterFormat {
    size_t count;
    RasterComponent components[kMaxComponents];

    size_t PlanesOf(size_t component) const;       // bit planes of one of its rows
    size_t RowsPerGroup(size_t component) const;   // its rows in one row group
    size_t PlanesPerGroup() const;                 // transfers of one row group
    unsigned GroupDpi() const;                     // the lowest vertical resolution
    size_t ComponentOfPlane(size_t plane) const;   // which component a transfer of a group carries
};

// The printer's raster, as its stored test page has it: black at 600 x 600 dpi with 2 levels;
// cyan, magenta and yellow at 300 x 300 dpi with 4 levels.
extern const RasterFormat kPrinterRaster;

constexpr size_t kConfigurationHeader = 2;   // format, component count
constexpr size_t kConfigurationPerComponent = 6;
constexpr size_t kLongestConfiguration = kConfigurationHeader + kMaxComponents * kConfigurationPerComponent;

// The configuration data of ESC *g#W; returns its length.
size_t EncodeRasterConfiguration(const RasterFormat& format, uint8_t (&data)[kLongestConfiguration]);
// Reads it back; the problem in words, or null when the data describe a raster this code can
// follow (format 2, 1 to 8 components, every resolution from 75 to 2400 dpi, every vertical one
// a whole multiple of the lowest, 2 to 256 levels, at most kMaxPlanesPerGroup transfers).
const char* DecodeRasterConfiguration(const uint8_t* data, size_t size, RasterFormat* format);
