// A document's pages: the job framing once, and per page its setup, its printable area's rows
// through the colour pipeline into the raster writer, and the form feed.
#include "document_writer.h"

#include <algorithm>

#include "lead_in_documents.h"
#include "page_setup.h"
#include "pjl.h"
#include "raster_writer.h"

namespace {

constexpr unsigned kDpi = 600;
constexpr unsigned kWidestRow = 16 * kDpi;       // no sheet the printer takes is wider
constexpr unsigned kLongestPage = 200 * kDpi;    // nor longer
constexpr double kHundredthsMmPerInch = 2540.0;

unsigned Dots(int hundredthsMm)
{
    return static_cast<unsigned>(hundredthsMm * kDpi / kHundredthsMmPerInch + 0.5);
}

} // namespace

struct DocumentWriter::State {
    explicit State(ByteSink& out) : writer(out) {}

    PclWriter writer;
    bool jobStarted = false;
    bool pageOpen = false;
    size_t pages = 0;
    // Where the open page's rows and pixels lie on the printable area: the first dropRows rows
    // given and the first skip pixels of each row lie above or left of it, rows beyond keepRows
    // below it; a raster that begins inside it is moved right by pad white pixels.
    unsigned given = 0, dropRows = 0, keepRows = 0, skip = 0, pad = 0, width = 0;
    size_t bytesPerPixel = 0;
    std::vector<uint8_t> row; // a row moved right, or a white one
    std::unique_ptr<ColourPipeline> pipeline;
    std::unique_ptr<RasterWriter> raster;

    void Put(const uint8_t* pixels)
    {
        if (pipeline->PutRow(pixels))
            raster->PutGroup(pipeline->Group());
    }
};

DocumentWriter::DocumentWriter(ByteSink& out) : state_(new State(out)) {}

DocumentWriter::~DocumentWriter()
{
    EndJob();
}

bool DocumentWriter::StartPage(const DocumentPage& page)
{
    State& s = *state_;
    if (s.pageOpen)
        EndPage();
    if (!page.paper || page.width == 0 || page.width > kWidestRow || page.height > kLongestPage)
        return false;
    if (!s.jobStarted) {
        // The lead-in lets the printer wake up before the job proper begins, as for its test page.
        s.writer.Zeros(kLeadInSize);
        WritePjlJobStart(s.writer, kLanguagePcl3Gui);
        s.jobStarted = true;
    }
    WritePageSetup(s.writer, page.paper->code);
    const unsigned left = Dots(kPaperMargins.left), top = Dots(kPaperMargins.top);
    const unsigned printableWidth = Dots(page.paper->widthHundredthsMm - kPaperMargins.left - kPaperMargins.right);
    const unsigned printableLength = Dots(page.paper->lengthHundredthsMm - kPaperMargins.top - kPaperMargins.bottom);
    s.skip = left > page.originX ? left - page.originX : 0;
    s.pad = page.originX > left ? std::min(page.originX - left, printableWidth) : 0;
    s.width = page.width > s.skip ? std::min(printableWidth, s.pad + page.width - s.skip) : 0;
    const unsigned whiteRows = page.originY > top ? std::min(page.originY - top, printableLength) : 0;
    s.dropRows = top > page.originY ? top - page.originY : 0;
    s.keepRows = printableLength - whiteRows;
    s.given = 0;
    s.bytesPerPixel = page.format == PixelFormat::Srgb8 ? 3 : 1;
    s.row.assign(s.width * s.bytesPerPixel, 0xFF);
    s.pipeline = s.width ? std::make_unique<ColourPipeline>(s.width, page.format, page.mode) : nullptr;
    s.raster = std::make_unique<RasterWriter>(s.writer, kPrinterRaster);
    s.raster->Start();
    for (unsigned row = 0; s.pipeline && row < whiteRows; ++row)
        s.Put(s.row.data());
    s.pageOpen = true;
    return s.writer.Ok();
}

bool DocumentWriter::PutRow(const uint8_t* pixels)
{
    State& s = *state_;
    if (!s.pageOpen)
        return false;
    const unsigned given = s.given++;
    if (!s.pipeline || given < s.dropRows || given - s.dropRows >= s.keepRows)
        return s.writer.Ok();
    const uint8_t* first = pixels + s.skip * s.bytesPerPixel;
    if (s.pad == 0) {
        s.Put(first);
    } else {
        std::copy(first, first + (s.width - s.pad) * s.bytesPerPixel, s.row.begin() + s.pad * s.bytesPerPixel);
        s.Put(s.row.data());
    }
    return s.writer.Ok();
}

bool DocumentWriter::EndPage()
{
    State& s = *state_;
    if (!s.pageOpen)
        return false;
    if (s.pipeline && s.pipeline->Flush())
        s.raster->PutGroup(s.pipeline->Group());
    s.raster->End();
    s.writer.Text("\f");
    s.pipeline.reset();
    s.raster.reset();
    s.pageOpen = false;
    ++s.pages;
    return s.writer.Ok();
}

bool DocumentWriter::EndJob()
{
    State& s = *state_;
    if (s.pageOpen)
        EndPage();
    if (s.jobStarted)
        WritePjlJobEnd(s.writer);
    s.jobStarted = false;
    return s.writer.Ok();
}

size_t DocumentWriter::Pages() const
{
    return state_->pages;
}
