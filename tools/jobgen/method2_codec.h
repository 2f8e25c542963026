// Compression method 2 of PCL raster rows (run-length): a control byte c of 0..127 is followed by
// c + 1 literal bytes, c of 129..255 by one byte repeated 257 - c times; 128 is never used.
#pragma once
#include <cstddef>
#include <cstdint>
#include "bytes.h"

namespace qz_jobs {

Bytes CompressMethod2(const Bytes& row);

// Expands size compressed bytes; throws JobFormatError on control byte 128 or a run cut short.
Bytes ExpandMethod2(const std::uint8_t* data, std::size_t size);

} // namespace qz_jobs
