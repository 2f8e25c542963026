// The small stored jobs: a PJL-framed PCL body around one PML set command.
#include "stored_jobs.h"

#include "pjl_job.h"
#include "pml_command.h"
#include "printer/pjl.h"
#include "printer/pml_objects.h"

namespace qz_jobs {

namespace {

// The page-mode value always travels as two bytes, even when it would fit in one.
constexpr std::size_t kPageModeWidth = 2;

Bytes ObjectId(const unsigned char* id, std::size_t length)
{
    return Bytes(id, id + length);
}

} // namespace

Bytes BuildCleaningJob(std::uint32_t cleaningStrength)
{
    // The device settings of ESC *o#W, sent as the printer takes them, in the order they go out.
    const std::uint8_t settings[5][5] = {{0x0A, 0x0A, 0x00, 0x00, 0x01}, {0x08, 0x02, 0x00, 0x00, 0x00},
                                         {0x08, 0x03, 0x00, 0x00, 0x00}, {0x07, 0x06, 0x00, 0x00, 0x01},
                                         {0x08, 0x03, 0x00, 0x00, 0x01}};
    BufferSink sink;
    PclWriter body(sink);
    body.DataCommand("*o", settings[0], sizeof(settings[0]));
    body.Command("&l", 2, 'A');
    // Two NULs the printer's parser skips between the paper setting and the configuration.
    body.Zeros(2);
    body.DataCommand("*o", settings[1], sizeof(settings[1]));
    body.Command("&l", 1, 'H');
    body.Command("&l", 0, 'M');
    body.DataCommand("*o", settings[2], sizeof(settings[2]));
    WritePmlCommand(body, {ObjectId(kCleaningObject, sizeof(kCleaningObject)),
                           PmlInteger(cleaningStrength, MinimalWidth(cleaningStrength))});
    body.DataCommand("*o", settings[3], sizeof(settings[3]));
    body.DataCommand("*o", settings[4], sizeof(settings[4]));
    return WrapInPjlJob(kLanguagePcl3, sink.Bytes());
}

Bytes BuildPageModeJob(std::uint32_t pageMode)
{
    BufferSink sink;
    PclWriter body(sink);
    body.Reset();
    WritePmlCommand(body, {ObjectId(kPageModeObject, sizeof(kPageModeObject)), PmlInteger(pageMode, kPageModeWidth)});
    return WrapInPjlJob(kLanguagePcl3Gui, sink.Bytes());
}

} // namespace qz_jobs
