// Whole-file reads and writes for the generators, the job tools and their tests.
#pragma once
#include <cstdint>
#include <filesystem>
#include <vector>

namespace qz_tools {

using FileBytes = std::vector<std::uint8_t>;

// Both throw std::runtime_error naming the file when it cannot be read or written.
FileBytes ReadFileBytes(const std::filesystem::path& path);
void WriteFileBytes(const std::filesystem::path& path, const FileBytes& bytes);

} // namespace qz_tools
