// The small stored jobs: the three cleaning levels and the two printer settings sent before the
// alignment and self-test pages.
#pragma once
#include <cstdint>
#include "bytes.h"

namespace qz_jobs {

// The cleaning object takes the cleaning strength; levels 1, 2 and 3 of the dialogs send 300, 100
// and 200.
inline constexpr std::uint32_t kCleaningLevel1Value = 300;
inline constexpr std::uint32_t kCleaningLevel2Value = 100;
inline constexpr std::uint32_t kCleaningLevel3Value = 200;

// The page-mode object: 1100 before the alignment page, 4 before the self-test page.
inline constexpr std::uint32_t kAlignmentPageValue = 1100;
inline constexpr std::uint32_t kSelfTestPageValue = 4;

Bytes BuildCleaningJob(std::uint32_t cleaningValue);
Bytes BuildPageModeJob(std::uint32_t pageModeValue);

} // namespace qz_jobs
