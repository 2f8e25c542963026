// Pages through the document writer: each job writes one printer stream straight to the device,
// row by row, as PAPPL or the PDF converter hands the rows over.
#include <stdio.h>
#include <stdlib.h>
#include <unistd.h>

#include <cups/raster.h>

#include <memory>
#include <string>

#include "document_printing.h"
#include "printer/document_writer.h"

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

constexpr int kHundredthsMmPerInch = 2540;
constexpr int kPointsPerInch = 72;

// The page as a raster header describes it, on the paper whose size it carries.
DocumentPage PageOf(const cups_page_header2_t& header, bool blackOnly)
{
    const int width = static_cast<int>(header.PageSize[0]) * kHundredthsMmPerInch / kPointsPerInch;
    const int length = static_cast<int>(header.PageSize[1]) * kHundredthsMmPerInch / kPointsPerInch;
    return {PaperOfDimensions(width, length), header.cupsWidth, header.cupsHeight,
            header.cupsColorSpace == CUPS_CSPACE_SW ? PixelFormat::Grey8 : PixelFormat::Srgb8,
            blackOnly ? ColourMode::Greyscale : ColourMode::Colour, 0, 0}; // rasters of the whole sheet
}

// Ghostscript's cups device writes CUPS raster at the printer's resolution; sRGB for colour,
// grey for monochrome jobs.
constexpr char kGhostscript[] = "/usr/bin/gs";

std::string ConverterCommand(pappl_job_t* job, bool grey)
{
    return std::string(kGhostscript) + " -q -dNOPAUSE -dBATCH -dSAFER -sDEVICE=cups -r600 -dcupsBitsPerColor=8" +
           (grey ? " -dcupsColorSpace=18" : " -dcupsColorSpace=19") + " -sOutputFile=- '" + papplJobGetFilename(job) +
           "'";
}

// Each page the converter writes goes through the writer as a raster page would.
bool PrintPdf(pappl_job_t* job, pappl_device_t* device, void*)
{
    pappl_pr_options_t* options = papplJobCreatePrintOptions(job, 0, true);
    const bool grey = options->print_color_mode == PAPPL_COLOR_MODE_MONOCHROME;
    papplJobDeletePrintOptions(options);
    FILE* pages = popen(ConverterCommand(job, grey).c_str(), "r");
    if (!pages) {
        papplJobSetMessage(job, "Unable to start the PDF converter");
        return false;
    }
    cups_raster_t* raster = cupsRasterOpen(fileno(pages), CUPS_RASTER_READ);
    DeviceSink sink(device);
    DocumentWriter writer(sink);
    cups_page_header2_t header;
    bool ok = true;
    while (ok && cupsRasterReadHeader2(raster, &header)) {
        const DocumentPage page = PageOf(header, grey);
        std::unique_ptr<uint8_t[]> row(new uint8_t[header.cupsBytesPerLine]);
        ok = page.paper && writer.StartPage(page);
        for (unsigned y = 0; ok && y < header.cupsHeight; ++y)
            ok = cupsRasterReadPixels(raster, row.get(), header.cupsBytesPerLine) == header.cupsBytesPerLine &&
                 writer.PutRow(row.get());
        ok = ok && writer.EndPage();
        papplJobSetImpressionsCompleted(job, 1);
    }
    ok = writer.EndJob() && ok && writer.Pages() > 0;
    cupsRasterClose(raster);
    if (pclose(pages) != 0 || !ok)
        papplJobSetMessage(job, "The PDF could not be printed");
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
    const DocumentPage page = PageOf(options->header, options->print_color_mode == PAPPL_COLOR_MODE_MONOCHROME);
    if (!page.paper)
        papplJobSetMessage(job, "The printer takes no paper of this page's size");
    return page.paper && JobOf(job)->writer.StartPage(page);
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
