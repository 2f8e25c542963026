// The catalogue of resources of type 2830: the stored jobs and the notices, each with its id, the
// file it is kept in under resources/jobs, and the code that builds it.
#pragma once
#include <array>
#include <filesystem>
#include <string_view>
#include "bytes.h"

namespace qz_jobs {

enum StoredJobId : int {
    kJobCleaningLevel1 = 129,
    kJobCleaningLevel2 = 130,
    kJobCleaningLevel3 = 131,
    kJobAlignmentMode = 134,
    kJobSelfTestMode = 139,
    kNoticeUsageData = 142,
    kNoticeDisclaimer = 143,
    kJobTestPage = 144,
};

struct CatalogueEntry {
    StoredJobId id;
    std::string_view fileName;
};

inline constexpr std::array<CatalogueEntry, 8> kCatalogue = {{
    {kJobCleaningLevel1, "job129.prn"},
    {kJobCleaningLevel2, "job130.prn"},
    {kJobCleaningLevel3, "job131.prn"},
    {kJobAlignmentMode, "job134.prn"},
    {kJobSelfTestMode, "job139.prn"},
    {kNoticeUsageData, "notice142.txt"},
    {kNoticeDisclaimer, "notice143.txt"},
    {kJobTestPage, "job144.prn"},
}};

// Builds the resource; the notices are read from their sources in noticeSources.
Bytes BuildCatalogueEntry(StoredJobId id, const std::filesystem::path& noticeSources);

} // namespace qz_jobs
