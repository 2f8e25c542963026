// Builds each resource of type 2830 from its generator.
#include "job_catalogue.h"

#include <string>
#include "file_bytes.h"
#include "notice_text.h"
#include "stored_jobs.h"
#include "band_page_job.h"
#include "printer/pml_objects.h"

namespace qz_jobs {

namespace {

Bytes BuildNoticeFromSource(const NoticeLayout& layout, const std::filesystem::path& noticeSources)
{
    const Bytes source = qz_tools::ReadFileBytes(noticeSources / layout.sourceName);
    return BuildNotice(layout, std::string_view(reinterpret_cast<const char*>(source.data()), source.size()));
}

} // namespace

Bytes BuildCatalogueEntry(StoredJobId id, const std::filesystem::path& noticeSources)
{
    switch (id) {
    case kJobCleaningLevel1: return BuildCleaningJob(kCleaningStrengths[0]);
    case kJobCleaningLevel2: return BuildCleaningJob(kCleaningStrengths[1]);
    case kJobCleaningLevel3: return BuildCleaningJob(kCleaningStrengths[2]);
    case kJobAlignmentMode: return BuildPageModeJob(kAlignmentPageMode);
    case kJobSelfTestMode: return BuildPageModeJob(kSelfTestPageMode);
    case kNoticeUsageData: return BuildNoticeFromSource(kUsageDataNotice, noticeSources);
    case kNoticeDisclaimer: return BuildNoticeFromSource(kDisclaimerNotice, noticeSources);
    case kJobTestPage: return BuildBandPageJob();
    }
    throw JobFormatError("no resource " + std::to_string(id));
}

} // namespace qz_jobs
