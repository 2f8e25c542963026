// Reads back a small stored job: its PJL framing, the PCL commands of its body with their offsets,
// and the one PML set command inside it.
#pragma once
#include <cstddef>
#include <string>
#include <vector>
#include "bytes.h"
#include "pml_command.h"
#include "stream_listing.h"

namespace qz_jobs {

struct StoredJobReport {
    std::string jobName;
    std::string language;
    std::vector<ListedElement> body; // between the PJL header and the trailer
    std::size_t trailerOffset = 0;   // of the ESC E that starts the trailer
    std::size_t pmlDeclaredLength = 0; // n of ESC &b<n>W
    PmlSet pml;                        // decoded from exactly those n bytes
};

// Throws JobFormatError when the job is not framed as a named PJL job with one PML command.
StoredJobReport VerifyStoredJob(const Bytes& job);

} // namespace qz_jobs
