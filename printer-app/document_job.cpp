// Pages through the document writer: each job writes one printer stream straight to the device,
// row by row, as PAPPL or the PDF converter hands the rows over.
#include <cups/raster.h>
#include <stdio.h>
#include <sys/wait.h>
#include <unistd.h>

#include <memory>
#include <string>

#include "document_printing.h"
#include "printer/raster_pages.h"

namespace {

// The printer's stream goes to the device as it is made.
class DeviceSink final : public ByteSink {
public:
    explicit DeviceSink(pappl_device_t* device) : device_(device) {}
    bool Put(const uint8_t* bytes, size_t count) override
    {
        return papplDeviceWrite(device_, bytes, count) == static_cast<ssize_t>(count);
    }

private:
    pappl_device_t* device_;
};

struct DocumentJob {
    explicit DocumentJob(pappl_device_t* device) : sink(device), writer(sink) {}
    DeviceSink sink;
    DocumentWriter writer;
};

DocumentJob* JobOf(pappl_job_t* job)
{
    return static_cast<DocumentJob*>(papplJobGetData(job));
}

// Ghostscript's cups device writes CUPS raster at the printer's resolution; sRGB for colour,
// grey for monochrome jobs.
constexpr char kGhostscript[] = "/usr/bin/gs";

// The converter writing the job's PDF as CUPS raster to the pipe it returns (read end), started
// without a shell, so that no character of the file's name means anything but itself; 0 when it
// could not be started.
int StartConverter(pappl_job_t* job, bool grey, pid_t* converter)
{
    const std::string output = "-sOutputFile=-", space = grey ? "-dcupsColorSpace=18" : "-dcupsColorSpace=19";
    const char* arguments[] = {kGhostscript, "-q", "-dNOPAUSE", "-dBATCH", "-dSAFER", "-sDEVICE=cups", "-r600",
                               "-dcupsBitsPerColor=8", space.c_str(), output.c_str(), papplJobGetFilename(job), nullptr};
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return 0;
    *converter = fork();
    if (*converter == 0) {
        dup2(pipeEnds[1], STDOUT_FILENO);
        close(pipeEnds[0]);
        close(pipeEnds[1]);
        execv(kGhostscript, const_cast<char* const*>(arguments));
        _exit(127);
    }
    close(pipeEnds[1]);
    if (*converter < 0) {
        close(pipeEnds[0]);
        return 0;
    }
    return pipeEnds[0];
}

// The page as a raster header describes it; a monochrome job prints with black ink alone
// whatever raster it is given. Empty when the page cannot be printed, the reason in the job's
// message.
bool PageOf(pappl_job_t* job, const cups_page_header2_t& header, bool monochrome, DocumentPage* page)
{
    const std::string problem = PageOfHeader(header, page);
    if (!problem.empty())
        papplJobSetMessage(job, "%s", problem.c_str());
    if (monochrome)
        page->mode = ColourMode::Greyscale;
    return problem.empty();
}

// Each page the converter writes goes through the writer as a raster page would.
bool PrintPdf(pappl_job_t* job, pappl_device_t* device, void*)
{
    pappl_pr_options_t* options = papplJobCreatePrintOptions(job, 0, true);
    const bool grey = options->print_color_mode == PAPPL_COLOR_MODE_MONOCHROME;
    papplJobDeletePrintOptions(options);
    pid_t converter = -1;
    const int pages = StartConverter(job, grey, &converter);
    if (!pages) {
        papplJobSetMessage(job, "Unable to start the PDF converter");
        return false;
    }
    cups_raster_t* raster = cupsRasterOpen(pages, CUPS_RASTER_READ);
    DeviceSink sink(device);
    DocumentWriter writer(sink);
    const RasterPagesPrinted printed =
        PrintRasterPages(raster, writer, [job](unsigned page) { papplJobSetImpressionsCompleted(job, static_cast<int>(page)); });
    const bool ended = writer.EndJob();
    cupsRasterClose(raster);
    close(pages);
    int status = 0;
    waitpid(converter, &status, 0);
    const bool ok = ended && printed.problem.empty() && !printed.deviceStopped && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    if (!ok)
        papplJobSetMessage(job, "The PDF could not be printed%s%s", printed.problem.empty() ? "" : ": ",
                           printed.problem.c_str());
    return ok;
}

} // namespace

bool StartDocument(pappl_job_t* job, pappl_pr_options_t*, pappl_device_t* device)
{
    papplJobSetData(job, new DocumentJob(device));
    return true;
}

bool StartDocumentPage(pappl_job_t* job, pappl_pr_options_t* options, pappl_device_t*, unsigned)
{
    DocumentPage page;
    return PageOf(job, options->header, options->print_color_mode == PAPPL_COLOR_MODE_MONOCHROME, &page) &&
           JobOf(job)->writer.StartPage(page);
}

bool WriteDocumentRow(pappl_job_t* job, pappl_pr_options_t*, pappl_device_t*, unsigned, const unsigned char* row)
{
    return JobOf(job)->writer.PutRow(row);
}

bool EndDocumentPage(pappl_job_t* job, pappl_pr_options_t*, pappl_device_t*, unsigned)
{
    return JobOf(job)->writer.EndPage();
}

bool EndDocument(pappl_job_t* job, pappl_pr_options_t*, pappl_device_t*)
{
    std::unique_ptr<DocumentJob> document(JobOf(job));
    papplJobSetData(job, nullptr);
    return document && document->writer.EndJob();
}

void AddPdfFilter(pappl_system_t* system)
{
    if (access(kGhostscript, X_OK) != 0) {
        papplLog(system, PAPPL_LOGLEVEL_WARN,
                 "PDF jobs are refused: the PDF converter %s is not installed (package cups-filters)", kGhostscript);
        return;
    }
    papplSystemAddMIMEFilter(system, "application/pdf", "image/pwg-raster", PrintPdf, nullptr);
}
