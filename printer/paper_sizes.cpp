// The paper table. Margins: the sheet's sides stay 6.35 mm clear of ink because the carriage
// slows and turns there and the paper guides hold the edges; the first 6.35 mm pass under the head
// before the feed has the sheet square; the last 12.7 mm have left the feed rollers before the
// head reaches them, so the sheet is no longer held flat. The same margins on every size keep
// what a page shows at the same place whatever its paper.
#include "paper_sizes.h"

#include <string.h>

const PaperMargins kPaperMargins = {635, 635, 635, 1270};

const PaperSize kPaperSizes[] = {
    {"iso_a4_210x297mm", "A4", "A4", 26, 21000, 29700},
    {"na_letter_8.5x11in", "Letter", "US Letter", 2, 21590, 27940},
    {"na_legal_8.5x14in", "Legal", "US Legal", 3, 21590, 35560},
    {"iso_a5_148x210mm", "A5", "A5", 25, 14800, 21000},
    {"na_executive_7.25x10.5in", "Executive", "Executive", 1, 18415, 26670},
    {"na_number-10_4.125x9.5in", "Env10", "Envelope #10", 81, 10478, 24130},
    {"iso_dl_110x220mm", "EnvDL", "Envelope DL", 90, 11000, 22000},
};
const size_t kPaperSizeCount = sizeof(kPaperSizes) / sizeof(kPaperSizes[0]);

namespace {

constexpr int kDimensionSlack = 100; // 1 mm: rasters round the sheet to whole dots

bool Near(int a, int b)
{
    return a - b <= kDimensionSlack && b - a <= kDimensionSlack;
}

} // namespace

const PaperSize* PaperOfDimensions(int widthHundredthsMm, int lengthHundredthsMm)
{
    for (const PaperSize& paper : kPaperSizes)
        if (Near(paper.widthHundredthsMm, widthHundredthsMm) && Near(paper.lengthHundredthsMm, lengthHundredthsMm))
            return &paper;
    return nullptr;
}

const PaperSize* PaperNamed(const char* ppdOrPwgName)
{
    for (const PaperSize& paper : kPaperSizes)
        if (ppdOrPwgName && (strcmp(paper.ppdName, ppdOrPwgName) == 0 || strcmp(paper.name, ppdOrPwgName) == 0))
            return &paper;
    return nullptr;
}
