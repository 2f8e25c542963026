// PNG encoding without a compression library: rows filtered against the row above turn the
// plain areas of a dialog into runs of zeros, which the run encoder packs tightly.
#include "png_writer.h"

#include <cstdint>
#include <fstream>
#include <vector>

#include "deflate_runs.h"

namespace {

using Bytes = std::vector<uint8_t>;

constexpr uint8_t kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr uint8_t kBitDepth = 8;
constexpr uint8_t kColourTypeRgb = 2;
constexpr uint8_t kFilterUp = 2;
constexpr int kBytesPerPixel = 3;
constexpr uint8_t kZlibHeader[] = {0x78, 0x01}; // deflate, 32 KiB window, no preset dictionary
constexpr uint32_t kAdlerModulus = 65521;

uint32_t Crc32(const uint8_t* data, size_t size, uint32_t crc = 0)
{
    crc = ~crc;
    for (size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

uint32_t Adler32(const Bytes& data)
{
    uint32_t a = 1;
    uint32_t b = 0;
    for (uint8_t byte : data) {
        a = (a + byte) % kAdlerModulus;
        b = (b + a) % kAdlerModulus;
    }
    return (b << 16) | a;
}

void PutBigEndian(Bytes& out, uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<uint8_t>(value >> shift));
}

void PutChunk(Bytes& out, const char type[4], const Bytes& body)
{
    PutBigEndian(out, static_cast<uint32_t>(body.size()));
    const size_t typeAt = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), body.begin(), body.end());
    PutBigEndian(out, Crc32(out.data() + typeAt, out.size() - typeAt));
}

// Each row: the filter byte, then red, green, blue of every pixel minus the same byte of the
// row above (zero above the first row).
Bytes FilteredRows(const Image& image)
{
    const size_t rowBytes = kBytesPerPixel * static_cast<size_t>(image.width);
    Bytes above(rowBytes, 0);
    Bytes row(rowBytes);
    Bytes filtered;
    filtered.reserve(static_cast<size_t>(image.height) * (1 + rowBytes));
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const uint32_t pixel = image.pixels[static_cast<size_t>(y) * image.width + x];
            row[kBytesPerPixel * x] = static_cast<uint8_t>(pixel >> 16);
            row[kBytesPerPixel * x + 1] = static_cast<uint8_t>(pixel >> 8);
            row[kBytesPerPixel * x + 2] = static_cast<uint8_t>(pixel);
        }
        filtered.push_back(kFilterUp);
        for (size_t i = 0; i < rowBytes; ++i)
            filtered.push_back(static_cast<uint8_t>(row[i] - above[i]));
        above.swap(row);
    }
    return filtered;
}

Bytes Zlib(const Bytes& raw)
{
    Bytes out(kZlibHeader, kZlibHeader + sizeof(kZlibHeader));
    const Bytes deflated = DeflateRuns(raw);
    out.insert(out.end(), deflated.begin(), deflated.end());
    PutBigEndian(out, Adler32(raw));
    return out;
}

} // namespace

bool WritePng(const Image& image, const std::string& path)
{
    if (image.Empty())
        return false;
    Bytes header;
    PutBigEndian(header, static_cast<uint32_t>(image.width));
    PutBigEndian(header, static_cast<uint32_t>(image.height));
    header.insert(header.end(), {kBitDepth, kColourTypeRgb, 0, 0, 0}); // deflate, adaptive, no interlace

    Bytes file(kSignature, kSignature + sizeof(kSignature));
    PutChunk(file, "IHDR", header);
    PutChunk(file, "IDAT", Zlib(FilteredRows(image)));
    PutChunk(file, "IEND", Bytes());

    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
    return static_cast<bool>(out);
}
