// Whole-file reads and writes for the generator and its tests.
#pragma once
#include <filesystem>
#include "bytes.h"

namespace qz_jobs {

// Both throw std::runtime_error naming the file when it cannot be read or written.
Bytes ReadFileBytes(const std::filesystem::path& path);
void WriteFileBytes(const std::filesystem::path& path, const Bytes& bytes);

} // namespace qz_jobs
