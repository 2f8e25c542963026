// Planes, rows and row groups of a raster form, and its configuration data.
#include "raster_format.h"

#include <initializer_list>

namespace {

constexpr uint8_t kConfigurationFormat = 2;
constexpr unsigned kLowestDpi = 75, kHighestDpi = 2400, kMostLevels = 256;

uint16_t Word(const uint8_t* at)
{
    return static_cast<uint16_t>(at[0] << 8 | at[1]);
}

} // namespace

const RasterFormat kPrinterRaster = {4, {{600, 600, 2}, {300, 300, 4}, {300, 300, 4}, {300, 300, 4}}};

size_t RasterFormat::PlanesOf(size_t component) const
{
    size_t planes = 0;
    while ((1u << planes) < components[component].levels)
        ++planes;
    return planes;
}

unsigned RasterFormat::GroupDpi() const
{
    unsigned lowest = kHighestDpi;
    for (size_t i = 0; i < count; ++i)
        if (components[i].yDpi < lowest)
            lowest = components[i].yDpi;
    return lowest;
}

size_t RasterFormat::RowsPerGroup(size_t component) const
{
    return components[component].yDpi / GroupDpi();
}

size_t RasterFormat::PlanesPerGroup() const
{
    size_t planes = 0;
    for (size_t i = 0; i < count; ++i)
        planes += RowsPerGroup(i) * PlanesOf(i);
    return planes;
}

size_t RasterFormat::ComponentOfPlane(size_t plane) const
{
    for (size_t i = 0; i < count; ++i) {
        const size_t planes = RowsPerGroup(i) * PlanesOf(i);
        if (plane < planes)
            return i;
        plane -= planes;
    }
    return count;
}

size_t EncodeRasterConfiguration(const RasterFormat& format, uint8_t (&data)[kLongestConfiguration])
{
    size_t length = 0;
    data[length++] = kConfigurationFormat;
    data[length++] = static_cast<uint8_t>(format.count);
    for (size_t i = 0; i < format.count; ++i) {
        const RasterComponent& component = format.components[i];
        for (uint16_t value : {component.xDpi, component.yDpi, component.levels}) {
            data[length++] = static_cast<uint8_t>(value >> 8);
            data[length++] = static_cast<uint8_t>(value);
        }
    }
    return length;
}

const char* DecodeRasterConfiguration(const uint8_t* data, size_t size, RasterFormat* format)
{
    if (size < kConfigurationHeader || data[0] != kConfigurationFormat)
        return "raster configuration is not of format 2";
    const size_t count = data[1];
    if (count == 0 || count > kMaxComponents)
        return "raster configuration names no components, or more than 8";
    if (size != kConfigurationHeader + count * kConfigurationPerComponent)
        return "raster configuration's length does not match its component count";
    RasterFormat read = {count, {}};
    for (size_t i = 0; i < count; ++i) {
        const uint8_t* at = data + kConfigurationHeader + i * kConfigurationPerComponent;
        read.components[i] = {Word(at), Word(at + 2), Word(at + 4)};
        const RasterComponent& component = read.components[i];
        if (component.xDpi < kLowestDpi || component.xDpi > kHighestDpi || component.yDpi < kLowestDpi ||
            component.yDpi > kHighestDpi)
            return "raster resolution outside 75 to 2400 dpi";
        if (component.levels < 2 || component.levels > kMostLevels)
            return "raster component with fewer than 2 or more than 256 levels";
    }
    for (size_t i = 0; i < count; ++i)
        if (read.components[i].yDpi % read.GroupDpi() != 0)
            return "a vertical resolution is not a whole multiple of the lowest";
    if (read.PlanesPerGroup() > kMaxPlanesPerGroup)
        return "raster row groups of more than 64 transfers";
    *format = read;
    return nullptr;
}
