// The paper the printer takes: each size with its code in the page setup, its dimensions and
// the area the printer can print on it. The PPD, the printer application's media and the
// document writer all read this one table.
#pragma once
#include <stddef.h>

struct PaperSize {
    const char* name;      // the PWG self-describing name ("iso_a4_210x297mm")
    const char* ppdName;   // the PPD's keyword ("A4")
    const char* text;      // what a person reads ("A4")
    int code;              // the paper-size code of ESC &l#A
    int widthHundredthsMm; // portrait width and length, in 1/100 mm
    int lengthHundredthsMm;
};

// The unprintable margins, the same on every size, in 1/100 mm.
struct PaperMargins {
    int left, right, top, bottom;
};
extern const PaperMargins kPaperMargins;

extern const PaperSize kPaperSizes[];
extern const size_t kPaperSizeCount;

// The size whose dimensions match within 1 mm either way (a page as a raster carries it); null
// when the printer takes no such paper.
const PaperSize* PaperOfDimensions(int widthHundredthsMm, int lengthHundredthsMm);
const PaperSize* PaperNamed(const char* ppdOrPwgName);
