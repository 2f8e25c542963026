// jobgen: writes every resource of type 2830 (stored jobs and notices) into a directory, as the
// files the resource script takes them from, and reads the test page back as a check.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>
#include "file_io.h"
#include "job_catalogue.h"
#include "raster_verifier.h"

namespace {

void PrintTestPageSummary(const qz_jobs::Bytes& job)
{
    const qz_jobs::RasterJobReport report = qz_jobs::VerifyRasterJob(job);
    std::printf("  %zu printed rows in %zu bands, %zu transfers, %zu bytes of compressed plane data\n",
                report.printedRows, report.bands.size(), report.transfers, report.compressedBytes);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output directory>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path output = argv[1];
    try {
        std::filesystem::create_directories(output);
        for (const qz_jobs::CatalogueEntry& entry : qz_jobs::kCatalogue) {
            const qz_jobs::Bytes bytes = qz_jobs::BuildCatalogueEntry(entry.id, QZ_NOTICE_SOURCES);
            qz_jobs::WriteFileBytes(output / entry.fileName, bytes);
            std::printf("%s: %zu bytes\n", std::string(entry.fileName).c_str(), bytes.size());
            if (entry.id == qz_jobs::kJobTestPage)
                PrintTestPageSummary(bytes);
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "jobgen: %s\n", error.what());
        return 1;
    }
    return 0;
}
