// Documents as the printer prints them: one PJL job, and for each page the page setup of the
// stored test page with the page's paper-size code, its raster in the test page's form (the
// colour pipeline, then the raster writer: blank rows as moves), and a form feed. Pages come
// row by row; nothing holds more than a few rows.
#pragma once
#include <stddef.h>
#include <stdint.h>

#include <memory>

#include "byte_sink.h"
#include "colour/colour_pipeline.h"
#include "paper_sizes.h"

struct DocumentPage {
    const PaperSize* paper; // the page's paper, from paper_sizes.h
    unsigned width;         // pixels in each row as given, at 600 dpi
    unsigned height;        // rows of the page, at 600 dpi
    PixelFormat format;     // sRGB or grey, 8 bits
    ColourMode mode;        // colour, or black ink only
    // Where the rows given begin on the sheet, in 600-dpi dots from its top left corner: 0 for a
    // raster of the whole sheet, the margins for one of its printable area only.
    unsigned originX;
    unsigned originY;
};

class DocumentWriter {
public:
    explicit DocumentWriter(ByteSink& out);
    ~DocumentWriter();
    DocumentWriter(const DocumentWriter&) = delete;
    DocumentWriter& operator=(const DocumentWriter&) = delete;

    // Starts a page (and the job, before the first); false when the page cannot be printed
    // (no paper, a row wider than 16 inches) or the stream stopped taking bytes.
    bool StartPage(const DocumentPage& page);
    // The page's next row, page.width pixels; rows past page.height are ignored.
    bool PutRow(const uint8_t* pixels);
    // Ends the page: the rows not given are left white, raster graphics end, the sheet is fed out.
    bool EndPage();
    // Ends a page still open, then the job. Called by the destructor when not called before.
    bool EndJob();

    size_t Pages() const;

private:
    struct State;
    std::unique_ptr<State> state_;
};
