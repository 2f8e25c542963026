// The small stored jobs: a PJL-framed PCL body around one PML set command.
#include "stored_jobs.h"

#include "pjl_job.h"
#include "pml_command.h"

namespace qz_jobs {

namespace {

const Bytes kCleaningObject = {0x01, 0x04, 0x01, 0x05, 0x01, 0x01};
const Bytes kPageModeObject = {0x01, 0x01, 0x05, 0x02};
// The page-mode value always travels as two bytes, even when it would fit in one.
constexpr std::size_t kPageModeWidth = 2;

} // namespace

Bytes BuildCleaningJob(std::uint32_t cleaningValue)
{
    PclWriter body;
    body.DataCommand("*o", {0x0A, 0x0A, 0x00, 0x00, 0x01});
    body.Command("&l", 2, 'A');
    // Two NULs the printer's parser skips between the paper setting and the configuration.
    body.Zeros(2);
    body.DataCommand("*o", {0x08, 0x02, 0x00, 0x00, 0x00});
    body.Command("&l", 1, 'H');
    body.Command("&l", 0, 'M');
    body.DataCommand("*o", {0x08, 0x03, 0x00, 0x00, 0x00});
    WritePmlCommand(body, {kCleaningObject, PmlInteger(cleaningValue, MinimalWidth(cleaningValue))});
    body.DataCommand("*o", {0x07, 0x06, 0x00, 0x00, 0x01});
    body.DataCommand("*o", {0x08, 0x03, 0x00, 0x00, 0x01});
    return WrapInPjlJob(kLanguagePcl3, body.Stream());
}

Bytes BuildPageModeJob(std::uint32_t pageModeValue)
{
    PclWriter body;
    body.Reset();
    WritePmlCommand(body, {kPageModeObject, PmlInteger(pageModeValue, kPageModeWidth)});
    return WrapInPjlJob(kLanguagePcl3Gui, body.Stream());
}

} // namespace qz_jobs
