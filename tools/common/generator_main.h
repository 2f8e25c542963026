// The generators' command line: one argument, the directory the files go to (made when missing).
// Errors end the tool with a message naming it.
#pragma once
#include <cstdio>
#include <exception>
#include <filesystem>

namespace qz_tools {

// Calls writeAll(directory); answers the tool's exit status (2: usage, 1: a failure).
template <typename WriteAll>
int RunGenerator(int argc, char** argv, const char* tool, WriteAll writeAll)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output directory>\n", argv[0]);
        return 2;
    }
    try {
        const std::filesystem::path output = argv[1];
        std::filesystem::create_directories(output);
        writeAll(output);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: %s\n", tool, error.what());
        return 1;
    }
    return 0;
}

} // namespace qz_tools
