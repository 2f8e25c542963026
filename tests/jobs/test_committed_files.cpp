// The files under resources/jobs are exactly what the generators make today, and there is no other.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>
#include "file_bytes.h"
#include "job_catalogue.h"

namespace {

using qz_jobs::Bytes;

TEST(CommittedJobs, EveryFileEqualsItsRegeneratedBytes)
{
    for (const qz_jobs::CatalogueEntry& entry : qz_jobs::kCatalogue) {
        SCOPED_TRACE(std::string(entry.fileName));
        const Bytes generated = qz_jobs::BuildCatalogueEntry(entry.id, QZ_NOTICE_SOURCES);
        const auto file = std::filesystem::path(QZ_STORED_JOBS_DIR) / entry.fileName;
        const Bytes committed = qz_tools::ReadFileBytes(file);
        ASSERT_EQ(generated.size(), committed.size());
        const auto difference = std::mismatch(generated.begin(), generated.end(), committed.begin());
        EXPECT_TRUE(difference.first == generated.end())
            << "first difference at offset " << (difference.first - generated.begin());
    }
}

TEST(CommittedJobs, DirectoryHoldsOnlyCatalogueFiles)
{
    std::set<std::string> expected;
    for (const qz_jobs::CatalogueEntry& entry : qz_jobs::kCatalogue)
        expected.emplace(entry.fileName);
    std::set<std::string> found;
    for (const auto& file : std::filesystem::directory_iterator(QZ_STORED_JOBS_DIR)) {
        const std::string name = file.path().filename().string();
        if (name.front() != '.')
            found.insert(name);
    }
    EXPECT_EQ(expected, found);
}

} // namespace
