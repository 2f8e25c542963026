// bitmapgen: draws every bitmap of the library and writes it into a directory as the file the
// resource script takes it from.
#include <cstdio>
#include <filesystem>
#include <string>
#include "bitmap_catalogue.h"
#include "file_bytes.h"
#include "generator_main.h"

namespace {

void WriteCatalogue(const std::filesystem::path& output)
{
    for (const qz_bitmaps::BitmapEntry& entry : qz_bitmaps::kCatalogue) {
        const qz_bitmaps::Bytes bytes = qz_bitmaps::BuildBitmapFile(entry);
        qz_tools::WriteFileBytes(output / entry.fileName, bytes);
        std::printf("%u %s: %dx%d, %d bits, %zu bytes\n", entry.id, std::string(entry.fileName).c_str(),
                    entry.width, entry.height, entry.bitsPerPixel, bytes.size());
    }
}

} // namespace

int main(int argc, char** argv)
{
    return qz_tools::RunGenerator(argc, argv, "bitmapgen", WriteCatalogue);
}
