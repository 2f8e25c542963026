// The document writer places the rows it is given on the sheet: a raster of the whole sheet and
// one of its printable area alone, showing the same drawing, make the same stream; the job is
// framed once, each page closed, and rows past the page ignored.
#include <gtest/gtest.h>

#include <vector>

#include "printer/document_writer.h"
#include "printer/raster_summary.h"

namespace {

constexpr unsigned kSheetWidth = 4960, kSheetLength = 7016; // A4 at 600 dpi
const unsigned kLeft = 150, kTop = 150;                     // 6.35 mm

// Grey rows with a black square at (1200, 1000) of the sheet, 300 dots a side.
std::vector<uint8_t> SheetRow(unsigned y, unsigned fromX, unsigned width)
{
    std::vector<uint8_t> row(width, 0xFF);
    for (unsigned x = 0; x < width; ++x)
        if (y >= 1000 && y < 1300 && fromX + x >= 1200 && fromX + x < 1500)
            row[x] = 0;
    return row;
}

// One page, rows from the sheet's (originX, originY) on, width by height pixels.
std::vector<uint8_t> Print(unsigned originX, unsigned originY, unsigned width, unsigned height, unsigned extraRows = 0)
{
    BufferSink sink;
    {
        DocumentWriter writer(sink);
        EXPECT_TRUE(writer.StartPage({PaperNamed("A4"), width, height, PixelFormat::Grey8, ColourMode::Greyscale,
                                      originX, originY}));
        for (unsigned y = 0; y < height + extraRows; ++y)
            EXPECT_TRUE(writer.PutRow(SheetRow(originY + y, originX, width).data()));
        EXPECT_EQ(writer.Pages(), 0u);
    } // the destructor ends the page and the job
    return sink.Take();
}

TEST(DocumentWriter, AWholeSheetAndItsPrintableAreaPrintAlike)
{
    const std::vector<uint8_t> sheet = Print(0, 0, kSheetWidth, kSheetLength);
    const std::vector<uint8_t> area = Print(kLeft, kTop, kSheetWidth - 2 * kLeft, kSheetLength - kTop - 300);
    const std::vector<uint8_t> areaWithOverrun = Print(kLeft, kTop, kSheetWidth - 2 * kLeft, kSheetLength - kTop - 300, 50);
    EXPECT_TRUE(sheet == area);
    EXPECT_TRUE(area == areaWithOverrun) << "rows past the page are ignored";

    RasterSummary summary;
    const StreamFault fault = ReadPrinterStream(sheet.data(), sheet.size(), summary);
    ASSERT_EQ(fault.problem, "");
    ASSERT_EQ(summary.Pages().size(), 1u);
    const RasterPageSummary& page = summary.Pages()[0];
    ASSERT_EQ(page.bands.size(), 1u);
    EXPECT_EQ(page.bands[0].firstRow, (1000 - kTop) / 2);
    EXPECT_EQ(page.bands[0].lastRow, (1300 - kTop) / 2 - 1);
    EXPECT_EQ(page.bands[0].componentsWithInk, 1u) << "black only";
}

TEST(DocumentWriter, RefusesPagesItCannotPrint)
{
    BufferSink sink;
    DocumentWriter writer(sink);
    EXPECT_FALSE(writer.StartPage({nullptr, 100, 100, PixelFormat::Grey8, ColourMode::Greyscale, 0, 0}));
    EXPECT_FALSE(writer.StartPage({PaperNamed("A4"), 16 * 600 + 1, 100, PixelFormat::Grey8, ColourMode::Greyscale, 0, 0}));
    EXPECT_FALSE(writer.PutRow(std::vector<uint8_t>(100, 0).data())) << "no page is open";
    EXPECT_TRUE(writer.EndJob());
    EXPECT_TRUE(sink.Bytes().empty()) << "no job without a page";
}

} // namespace
