// Files in the printer's language go to the device as they are; the MIME typing finds them (and
// command files) among documents sent without a type.
#include "printer_streams.h"

#include <fcntl.h>
#include <string.h>
#include <unistd.h>

#include <atomic>
#include <string>

#include "job_runs.h"
#include "platform/module_resource.h"
#include "resources/resource_ids.h"

namespace {

// Stored streams start with a run of NULs (for printers that wake on the first bytes), then
// reset the printer and announce the job language.
const char kUniversalExit[] = "\033%-12345X";
const char kReset[] = "\033E";
const char kCommandHeader[] = "#CUPS-COMMAND";


bool StartsWith(const unsigned char* bytes, size_t size, const char* text)
{
    const size_t length = strlen(text);
    return size >= length && memcmp(bytes, text, length) == 0;
}

bool WriteAll(int fd, const void* bytes, size_t size)
{
    const auto* at = static_cast<const unsigned char*>(bytes);
    while (size > 0) {
        const ssize_t written = write(fd, at, size);
        if (written <= 0)
            return false;
        at += written;
        size -= static_cast<size_t>(written);
    }
    return true;
}

// A spool file of its own for each test page, however many are asked for at once.
std::string SpoolName(const char* what)
{
    static std::atomic<unsigned> counter{0};
    return std::string(what) + "-" + std::to_string(getpid()) + "-" + std::to_string(++counter);
}

} // namespace

bool PrintStreamFile(pappl_job_t* job, pappl_pr_options_t*, pappl_device_t* device)
{
    const JobRun run(job);
    if (!run.First())
        return true;
    const int fd = open(papplJobGetFilename(job), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        papplLogJob(job, PAPPL_LOGLEVEL_ERROR, "Unable to open the job's file: %s", strerror(errno));
        return false;
    }
    unsigned char buffer[65536];
    ssize_t got;
    bool ok = true;
    while (ok && (got = read(fd, buffer, sizeof(buffer))) > 0)
        ok = papplDeviceWrite(device, buffer, static_cast<size_t>(got)) == got;
    close(fd);
    papplDeviceFlush(device);
    return ok;
}

const char* WriteTestPage(pappl_printer_t* printer, char* buffer, size_t size)
{
    const ModuleResource page(NumberedResourceType(RT_STORED_JOB), JOB_TEST_PAGE);
    if (!page.Bytes())
        return nullptr;
    const int fd = papplPrinterOpenFile(printer, buffer, size, nullptr, SpoolName("testpage").c_str(), "prn", "w");
    if (fd < 0)
        return nullptr;
    const bool written = WriteAll(fd, page.Bytes(), page.Size());
    close(fd);
    return written ? buffer : nullptr;
}

const char* StreamFormatOf(const unsigned char* header, size_t size, void*)
{
    if (StartsWith(header, size, kCommandHeader))
        return kCommandFileFormat;
    size_t at = 0;
    while (at < size && header[at] == 0)
        ++at;
    if (StartsWith(header + at, size - at, kReset))
        at += strlen(kReset);
    return StartsWith(header + at, size - at, kUniversalExit) ? kPrinterStreamFormat : nullptr;
}
