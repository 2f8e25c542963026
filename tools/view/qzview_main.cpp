// qzview: what a printer stream tells the printer, in words, and with --png each raster page as
// a picture of what it prints.
//
//   qzview STREAM... [--png FOLDER]
//
// Exits 1 when a stream cannot be read or is malformed (the message names the byte offset), 2
// on a wrong command line, 3 when a picture cannot be written.
#include <stdio.h>
#include <string.h>

#include <filesystem>
#include <string>
#include <vector>

#include "file_bytes.h"
#include "page_png.h"
#include "stream_words.h"

namespace {

namespace fs = std::filesystem;

int View(const std::string& name, const std::string& pngFolder)
{
    qz_tools::FileBytes bytes;
    try {
        bytes = qz_tools::ReadFileBytes(name);
    } catch (const std::exception& error) {
        fprintf(stderr, "qzview: %s\n", error.what());
        return 1;
    }
    const StreamWords words = DescribeStream(bytes.data(), bytes.size());
    printf("%s: %zu bytes\n", name.c_str(), bytes.size());
    for (const std::string& line : words.lines)
        printf("%s\n", line.c_str());
    if (!words.fault.problem.empty()) {
        fprintf(stderr, "qzview: %s: malformed at byte %zu: %s\n", name.c_str(), words.fault.offset,
                words.fault.problem.c_str());
        return 1;
    }
    if (pngFolder.empty() || words.pages.empty())
        return 0;
    std::vector<std::string> paths;
    for (size_t page = 1; page <= words.pages.size(); ++page)
        paths.push_back((fs::path(pngFolder) / (fs::path(name).stem().string() + "-page" + std::to_string(page) + ".png")).string());
    const std::string problem = WritePagePngs(bytes.data(), bytes.size(), words.pages, paths);
    if (!problem.empty()) {
        fprintf(stderr, "qzview: %s\n", problem.c_str());
        return 3;
    }
    for (const std::string& path : paths)
        printf("  picture: %s\n", path.c_str());
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> streams;
    std::string pngFolder;
    bool usage = argc < 2;
    for (int i = 1; i < argc; ++i) {
        if (strcmp(argv[i], "--png") == 0 && i + 1 < argc)
            pngFolder = argv[++i];
        else if (argv[i][0] == '-')
            usage = true;
        else
            streams.push_back(argv[i]);
    }
    if (usage || streams.empty()) {
        fputs("usage: qzview STREAM... [--png FOLDER]\n", stderr);
        return 2;
    }
    std::error_code made;
    if (!pngFolder.empty())
        fs::create_directories(pngFolder, made);
    int status = 0;
    for (const std::string& stream : streams) {
        const int result = View(stream, pngFolder);
        status = status ? status : result;
    }
    return status;
}
