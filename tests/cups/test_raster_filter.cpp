// rastertoqz alone, as CUPS runs it: the same raster gives the same bytes twice, and every bad
// raster gets an ERROR line, exit 0 and a stream that never stops inside raster graphics.
#include <cups/raster.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "common/printed_pages.h"
#include "common/raster_header.h"
#include "file_bytes.h"

namespace fs = std::filesystem;

namespace {

const fs::path kWork = QZ_FILTER_WORK_DIR;

// A small sRGB page at 600 dpi on A4, changed as a case needs.
cups_page_header2_t Header()
{
    return SrgbA4PageHeader(1200, 400);
}

// Writes pages of the headers given, each row a colour ramp; keepBytes cuts the file short.
fs::path WriteRaster(const std::string& name, const std::vector<cups_page_header2_t>& pages, long keepBytes = -1)
{
    const fs::path path = kWork / (name + ".ras");
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    cups_raster_t* raster = cupsRasterOpen(fd, CUPS_RASTER_WRITE);
    for (cups_page_header2_t header : pages) {
        cupsRasterWriteHeader2(raster, &header);
        std::vector<unsigned char> row(header.cupsBytesPerLine);
        for (unsigned y = 0; y < header.cupsHeight; ++y) {
            for (size_t x = 0; x < row.size(); ++x)
                row[x] = static_cast<unsigned char>((x * 7 + y * 3) & 0xFF);
            cupsRasterWritePixels(raster, row.data(), header.cupsBytesPerLine);
        }
    }
    cupsRasterClose(raster);
    close(fd);
    if (keepBytes >= 0)
        fs::resize_file(path, static_cast<std::uintmax_t>(keepBytes));
    return path;
}

struct FilterRun {
    int status;
    qz_tools::FileBytes stream;
    std::string errors;
};

FilterRun RunFilter(const fs::path& raster)
{
    const fs::path out = kWork / "out.prn", err = kWork / "err.txt";
    const std::string command = std::string(QZ_RASTERTOQZ) + " 1 user title 1 '' '" + raster.string() + "' >'" +
                                out.string() + "' 2>'" + err.string() + "'";
    const int result = std::system(command.c_str());
    const qz_tools::FileBytes errors = qz_tools::ReadFileBytes(err);
    return {WIFEXITED(result) ? WEXITSTATUS(result) : -1, qz_tools::ReadFileBytes(out),
            std::string(errors.begin(), errors.end())};
}

class RasterFilter : public testing::Test {
protected:
    static void SetUpTestSuite() { fs::create_directories(kWork); }
};

} // namespace

TEST_F(RasterFilter, TheSameRasterGivesTheSameBytes)
{
    const fs::path raster = WriteRaster("twice", {Header(), Header()});
    const FilterRun first = RunFilter(raster), second = RunFilter(raster);
    EXPECT_EQ(first.status, 0) << first.errors;
    EXPECT_GT(first.stream.size(), 0u);
    EXPECT_TRUE(first.stream == second.stream);
    EXPECT_EQ(DecodePrintedPages(first.stream).pages.size(), 2u);
}

TEST_F(RasterFilter, BadRastersGetAnErrorAndAClosedStream)
{
    const std::function<void(cups_page_header2_t&)> none = [](cups_page_header2_t&) {};
    const struct {
        const char* label;
        std::function<void(cups_page_header2_t&)> change;
        long keepBytes;    // of the raster file; -1 keeps it whole
        size_t pagesLeft;  // pages the stream still prints, closed
    } cases[] = {
        {"16 bits per colour", [](cups_page_header2_t& h) { h.cupsBitsPerColor = 16; h.cupsBitsPerPixel = 48; h.cupsBytesPerLine *= 2; }, -1, 1},
        {"CMYK", [](cups_page_header2_t& h) { h.cupsColorSpace = CUPS_CSPACE_CMYK; h.cupsBitsPerPixel = 32; h.cupsBytesPerLine = 4 * 1200; }, -1, 1},
        {"300 dpi", [](cups_page_header2_t& h) { h.HWResolution[0] = h.HWResolution[1] = 300; }, -1, 1},
        {"absurdly wide", [](cups_page_header2_t& h) { h.cupsWidth = 1000000; h.cupsBytesPerLine = 3000000; }, -1, 1},
        {"a paper the printer does not take", [](cups_page_header2_t& h) { h.PageSize[0] = 1000; }, -1, 1},
        {"cut inside the second page", none, 2200000, 2}, // a page is 1796 + 1440000 bytes
        {"zero pages", none, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        cups_page_header2_t bad = Header();
        c.change(bad);
        const std::vector<cups_page_header2_t> pages =
            c.keepBytes >= 0 ? std::vector<cups_page_header2_t>{Header(), Header(), Header()}
                             : std::vector<cups_page_header2_t>{Header(), bad, Header()};
        const FilterRun run = RunFilter(WriteRaster("bad", pages, c.keepBytes));
        EXPECT_EQ(run.status, 0);
        EXPECT_NE(run.errors.find("ERROR: "), std::string::npos) << run.errors;
        const PrintedStream printed = DecodePrintedPages(run.stream);
        EXPECT_EQ(printed.fault, "") << "the stream ends outside raster graphics";
        EXPECT_EQ(printed.pages.size(), c.pagesLeft);
    }
}
