// jobgen: writes every resource of type 2830 (stored jobs and notices) into a directory, as the
// files the resource script takes them from, and reads the page of test bands back as a check.
#include <cstdio>
#include <filesystem>
#include <string>
#include "file_bytes.h"
#include "generator_main.h"
#include "job_catalogue.h"
#include "raster_verifier.h"

namespace {

void PrintBandPageSummary(const qz_jobs::Bytes& job)
{
    const RasterPageSummary page = qz_jobs::VerifyRasterJob(job).page;
    std::printf("  %zu printed rows in %zu bands, %zu transfers, %zu bytes of compressed plane data\n",
                page.printedRows, page.bands.size(), page.transfers, page.compressedBytes);
}

void WriteCatalogue(const std::filesystem::path& output)
{
    for (const qz_jobs::CatalogueEntry& entry : qz_jobs::kCatalogue) {
        const qz_jobs::Bytes bytes = qz_jobs::BuildCatalogueEntry(entry.id, QZ_NOTICE_SOURCES);
        qz_tools::WriteFileBytes(output / entry.fileName, bytes);
        std::printf("%s: %zu bytes\n", std::string(entry.fileName).c_str(), bytes.size());
        if (entry.id == qz_jobs::kJobTestPage)
            PrintBandPageSummary(bytes);
    }
}

} // namespace

int main(int argc, char** argv)
{
    return qz_tools::RunGenerator(argc, argv, "jobgen", WriteCatalogue);
}
