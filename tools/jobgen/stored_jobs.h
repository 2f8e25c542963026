// The small stored jobs: the three cleaning levels and the two printer settings sent before the
// alignment and self-test pages. Objects and values are the printer layer's (printer/pml_objects.h).
#pragma once
#include <cstdint>
#include "bytes.h"

namespace qz_jobs {

Bytes BuildCleaningJob(std::uint32_t cleaningStrength);
Bytes BuildPageModeJob(std::uint32_t pageMode);

} // namespace qz_jobs
