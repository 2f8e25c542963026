// Converts UTF-8 text to the Windows Western European code page 1252, the ANSI code page of the
// hosts the notices are written for.
#pragma once
#include <cstdint>
#include <string_view>
#include "bytes.h"

namespace qz_jobs {

// Throws JobFormatError on malformed UTF-8 or a character the code page lacks.
Bytes Utf8ToCp1252(std::string_view utf8);

// True for the five byte values code page 1252 leaves undefined (81, 8D, 8F, 90, 9D).
bool IsUndefinedInCp1252(std::uint8_t byte);

} // namespace qz_jobs
