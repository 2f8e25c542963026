// Builds each resource of type 2830 from its generator.
#include "job_catalogue.h"

#include <string>
#include "file_bytes.h"
#include "notice_text.h"
#include "stored_jobs.h"
#include "test_page_job.h"

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
    case kJobCleaningLevel1: return BuildCleaningJob(kCleaningLevel1Value);
    case kJobCleaningLevel2: return BuildCleaningJob(kCleaningLevel2Value);
    case kJobCleaningLevel3: return BuildCleaningJob(kCleaningLevel3Value);
    case kJobAlignmentMode: return BuildPageModeJob(kAlignmentPageValue);
    case kJobSelfTestMode: return BuildPageModeJob(kSelfTestPageValue);
    case kNoticeUsageData: return BuildNoticeFromSource(kUsageDataNotice, noticeSources);
    case kNoticeDisclaimer: return BuildNoticeFromSource(kDisclaimerNotice, noticeSources);
    case kJobTestPage: return BuildTestPageJob();
    }
    throw JobFormatError("no resource " + std::to_string(id));
}

} // namespace qz_jobs
