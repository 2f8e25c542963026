// Documents printed on the queue that cleans: PDFs the test makes go through a real cupsd (its
// own PDF-to-raster filters, then rastertoqz), and what reaches the device is decoded with the
// printer layer's reader and checked for pages, paper, raster form and where the ink lands. The
// filter alone gets a table of bad rasters, and runs twice on one raster for the same bytes.
#include <cups/cups.h>
#include <cups/raster.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "common/printed_pages.h"
#include "cups_test_support.h"
#include "file_bytes.h"
#include "printer/paper_sizes.h"

namespace fs = std::filesystem;
using qz_tools::FileBytes;

namespace {

const fs::path kWork = QZ_RASTER_WORK_DIR;
constexpr double kDotsPerPoint = 600.0 / 72;

// A rectangle on the sheet in points from its top left corner.
struct Box {
    double x, y, width, height;
};
const Box kBlackSquare = {144, 144, 72, 72};
const Box kCyanPatch = {288, 144, 72, 72};
const Box kGreyText = {144, 380, 260, 40}; // "Grey text" at 36 points, baseline 410

// A PDF of pages of the given size; each page either blank or with the square, the patch and
// the text. Written as PostScript and turned into PDF by Ghostscript.
fs::path MakePdf(const std::string& name, int width, int length, const std::vector<bool>& drawn)
{
    const fs::path ps = kWork / (name + ".ps"), pdf = kWork / (name + ".pdf");
    std::ofstream out(ps);
    out << "%!PS\n<< /PageSize [" << width << " " << length << "] >> setpagedevice\n";
    auto rect = [&](const Box& box) {
        out << box.x << " " << length - box.y - box.height << " " << box.width << " " << box.height << " rectfill\n";
    };
    for (bool draw : drawn) {
        if (draw) {
            out << "0 0 0 setrgbcolor\n";
            rect(kBlackSquare);
            out << "0 1 1 setrgbcolor\n";
            rect(kCyanPatch);
            out << "0.5 setgray /Helvetica findfont 36 scalefont setfont " << kGreyText.x << " " << length - 410
                << " moveto (Grey text) show\n";
        }
        out << "showpage\n";
    }
    out.close();
    int status = 0;
    Shell("gs -q -dNOPAUSE -dBATCH -sDEVICE=pdfwrite -sOutputFile='" + pdf.string() + "' '" + ps.string() + "' 2>&1", &status);
    EXPECT_EQ(status, 0);
    return pdf;
}

// The box in a component's dots: the printable area starts at the margins.
struct Dots {
    unsigned x0, y0, x1, y1;
};
Dots InDots(const Box& box, unsigned dpi)
{
    const double perPoint = dpi / 72.0, left = kPaperMargins.left * dpi / 2540.0, top = kPaperMargins.top * dpi / 2540.0;
    return {static_cast<unsigned>(box.x * perPoint - left + 0.5), static_cast<unsigned>(box.y * perPoint - top + 0.5),
            static_cast<unsigned>((box.x + box.width) * perPoint - left + 0.5),
            static_cast<unsigned>((box.y + box.height) * perPoint - top + 0.5)};
}

// The smallest rectangle holding every inked dot of a component near the box (a margin of 24
// dots around it).
Dots InkBounds(const PrintedComponent& component, const Dots& near)
{
    Dots bounds = {~0u, ~0u, 0, 0};
    for (unsigned y = near.y0 - 24; y < near.y1 + 24; ++y)
        for (unsigned x = near.x0 - 24; x < near.x1 + 24; ++x)
            if (component.At(x, y)) {
                bounds = {std::min(bounds.x0, x), std::min(bounds.y0, y), std::max(bounds.x1, x + 1), std::max(bounds.y1, y + 1)};
            }
    return bounds;
}

bool Within(unsigned a, unsigned b, unsigned slack)
{
    return (a > b ? a - b : b - a) <= slack;
}

// What a drawn page must show: the square on its dots, the patch in cyan only, the text in black
// only; in greyscale no colour ink anywhere. A shape covers every dot it touches, its far edges'
// dots included, as PDF fills are rendered.
void ExpectDrawnPage(const PrintedPage& page, bool greyscale)
{
    ASSERT_EQ(page.components.size(), 4u);
    const PrintedComponent& black = page.components[0];
    const Dots square = InDots(kBlackSquare, 600), inked = InkBounds(black, square);
    EXPECT_TRUE(Within(inked.x0, square.x0, 1) && Within(inked.y0, square.y0, 1) && Within(inked.x1 - 1, square.x1, 1) &&
                Within(inked.y1 - 1, square.y1, 1))
        << "square at " << inked.x0 << "," << inked.y0 << "-" << inked.x1 << "," << inked.y1 << ", drawn at " << square.x0
        << "," << square.y0 << "-" << square.x1 << "," << square.y1;
    const Dots patch = InDots(kCyanPatch, 300), text = InDots(kGreyText, 300), text600 = InDots(kGreyText, 600);
    const Dots patch600 = InDots(kCyanPatch, 600);
    if (!greyscale) {
        EXPECT_EQ(black.InkIn(patch600.x0, patch600.y0, patch600.x1, patch600.y1), 0u) << "black in the cyan patch";
    }
    EXPECT_GT(black.InkIn(text600.x0, text600.y0, text600.x1, text600.y1), 0u) << "the grey text is printed";
    for (std::size_t colour = 1; colour < 4; ++colour) {
        const PrintedComponent& ink = page.components[colour];
        SCOPED_TRACE("colour component " + std::to_string(colour));
        EXPECT_EQ(ink.InkIn(text.x0, text.y0, text.x1, text.y1), 0u) << "grey text in black only";
        const std::size_t inPatch = ink.InkIn(patch.x0, patch.y0, patch.x1, patch.y1);
        if (greyscale || colour != 1) {
            EXPECT_EQ(inPatch, 0u) << "a pure cyan patch has cyan ink only";
        } else {
            EXPECT_GT(inPatch, 0u);
        }
        if (greyscale) {
            EXPECT_EQ(ink.InkIn(0, 0, ink.width, ink.height), 0u) << "greyscale prints black only";
        }
    }
}

int PaperCode(const char* ppdName)
{
    return PaperNamed(ppdName)->code;
}

} // namespace

class RasterPrinting : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        fs::remove_all(kWork);
        fs::create_directories(kWork);
        const std::string bin = QZ_SHIPPED_BIN;
        Shell("'" + bin + "/qzppd' '" + bin + "/commandtoqz' '" + (kWork / "ppd").string() + "' '" + bin + "/rastertoqz'");
        if (!Env("CUPS_SERVER").empty())
            Shell("lpadmin -p documents -E -v '" + Env("QZ_DEVICE_URI") + "' -P '" + (kWork / "ppd/kestrel-410.ppd").string() +
                  "' 2>&1");
    }

    // Prints a file on the queue and waits for its job to end; the bytes the device received.
    static FileBytes Print(const fs::path& file, const std::string& options)
    {
        const std::string output = Shell("lp -d documents " + options + " '" + file.string() + "' 2>&1");
        const size_t dash = output.find("documents-");
        const int job = dash == std::string::npos ? 0 : std::atoi(output.c_str() + dash + 10);
        EXPECT_NE(job, 0) << output;
        for (auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
             job && std::chrono::steady_clock::now() < deadline;) {
            if (Shell("lpstat -o documents").find("documents-" + std::to_string(job)) == std::string::npos)
                break;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return NewDeviceBytes();
    }
};

TEST_F(RasterPrinting, PdfsPrintWithTheirPagesPaperAndInk)
{
    if (Env("CUPS_SERVER").empty())
        GTEST_SKIP() << "no private cupsd (run through with_cupsd.sh as root)";
    const struct {
        const char* label;
        fs::path document;
        const char* options;
        std::vector<int> paperCodes;      // one per page
        std::vector<bool> drawn;          // which pages carry the drawing
        bool greyscale;
    } rows[] = {
        {"A4 in colour", MakePdf("a4", 595, 842, {true}), "", {PaperCode("A4")}, {true}, false},
        {"Letter in greyscale", MakePdf("letter", 612, 792, {true}), "-o media=Letter -o ColorModel=Gray", {PaperCode("Letter")}, {true}, true},
        {"two A4 pages", MakePdf("two", 595, 842, {true, true}), "", {PaperCode("A4"), PaperCode("A4")}, {true, true}, false},
        {"a blank page", MakePdf("blank", 595, 842, {false}), "", {PaperCode("A4")}, {false}, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        const PrintedStream printed = DecodePrintedPages(Print(row.document, row.options));
        ASSERT_EQ(printed.fault, "");
        ASSERT_EQ(printed.pages.size(), row.paperCodes.size());
        for (std::size_t i = 0; i < printed.pages.size(); ++i) {
            const PrintedPage& page = printed.pages[i];
            EXPECT_EQ(page.paperCode, row.paperCodes[i]);
            EXPECT_EQ(page.format.count, kPrinterRaster.count);
            for (std::size_t c = 0; c < page.format.count; ++c)
                EXPECT_TRUE(page.format.components[c].xDpi == kPrinterRaster.components[c].xDpi &&
                            page.format.components[c].levels == kPrinterRaster.components[c].levels);
            if (row.drawn[i])
                ExpectDrawnPage(page, row.greyscale);
            else
                EXPECT_EQ(page.printedRows, 0u) << "a blank page prints no rows";
        }
    }
}

TEST_F(RasterPrinting, ABadRasterLeavesTheQueuePrintingTheNextJob)
{
    if (Env("CUPS_SERVER").empty())
        GTEST_SKIP() << "no private cupsd (run through with_cupsd.sh as root)";
    const fs::path pdf = MakePdf("next", 595, 842, {true}), raster = kWork / "cut.ras";
    Shell("gs -q -dNOPAUSE -dBATCH -sDEVICE=cups -r600 -dcupsColorSpace=19 -dcupsBitsPerColor=8 -sOutputFile='" +
          raster.string() + "' '" + pdf.string() + "' 2>&1");
    fs::resize_file(raster, fs::file_size(raster) / 2);
    const PrintedStream cut = DecodePrintedPages(Print(raster, "-o document-format=application/vnd.cups-raster"));
    EXPECT_EQ(cut.fault, "") << "the cut page is ended, not left inside raster graphics";
    EXPECT_EQ(cut.pages.size(), 1u);
    const PrintedStream next = DecodePrintedPages(Print(pdf, ""));
    ASSERT_EQ(next.pages.size(), 1u);
    ExpectDrawnPage(next.pages[0], false);
}
