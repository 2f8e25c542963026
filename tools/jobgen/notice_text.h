// The two notice texts stored with the jobs (usage-data notice, disclaimer and privacy statement):
// kept as readable UTF-8 sources, stored as code page 1252 with CR LF line ends and no NUL.
#pragma once
#include <cstddef>
#include <string_view>
#include "bytes.h"

namespace qz_jobs {

// A source holds paragraphs separated by blank lines, wrapped as convenient; each paragraph is
// stored as one line, with an empty line between paragraphs.
struct NoticeLayout {
    std::string_view sourceName;
    std::size_t size;
    std::size_t paragraphs;
    std::size_t closingLineEnds; // CR LF pairs after the last paragraph's text
};

inline constexpr NoticeLayout kUsageDataNotice = {"usage_data_notice.txt", 1043, 3, 3};
inline constexpr NoticeLayout kDisclaimerNotice = {"disclaimer_notice.txt", 6361, 15, 1};

// Throws JobFormatError when the text misses its size or paragraph count.
Bytes BuildNotice(const NoticeLayout& layout, std::string_view utf8Source);

} // namespace qz_jobs
