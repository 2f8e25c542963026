// bitmapgen: draws every bitmap of the library and writes it into a directory as the file the
// resource script takes it from.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>
#include "bitmap_catalogue.h"

namespace {

void WriteFile(const std::filesystem::path& path, const qz_bitmaps::Bytes& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output directory>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path output = argv[1];
    try {
        std::filesystem::create_directories(output);
        for (const qz_bitmaps::BitmapEntry& entry : qz_bitmaps::kCatalogue) {
            const qz_bitmaps::Bytes bytes = qz_bitmaps::BuildBitmapFile(entry);
            WriteFile(output / entry.fileName, bytes);
            std::printf("%u %s: %dx%d, %d bits, %zu bytes\n", entry.id,
                        std::string(entry.fileName).c_str(), entry.width, entry.height,
                        entry.bitsPerPixel, bytes.size());
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "bitmapgen: %s\n", error.what());
        return 1;
    }
    return 0;
}
