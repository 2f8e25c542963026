// One drawing function per bitmap of the library. Each draws on a canvas of its bitmap's size
// that starts filled with the key colour, and leaves the key colour only around the drawing.
#pragma once
#include "canvas.h"

namespace qz_bitmaps {

// Cartridges and print heads (cartridge_pictures.cpp)
void DrawAlignHeads(Canvas& canvas);           // two cartridges over a page of patterns
void DrawSpareCartridge(Canvas& canvas);       // one large cartridge with drops
void DrawCleanStart(Canvas& canvas);           // a page printed with clogged nozzles
void DrawCleanLevels(Canvas& canvas);          // a head cleaning, then its result page
void DrawCleanStartCartridge(Canvas& canvas);  // both cartridges over a poor page
void DrawCleanLevelsCartridge(Canvas& canvas); // both cartridges cleaning over a result page

// Printed pages (page_pictures.cpp)
void DrawAlignResult(Canvas& canvas);   // squares and a cross of straight lines
void DrawSelfTest(Canvas& canvas);      // a printer putting out its test page
void DrawSelfTestPage(Canvas& canvas);  // the test page alone
void DrawSparePage(Canvas& canvas);     // a plain text page
void DrawCalibrate(Canvas& canvas);     // nine labelled pairs of colour squares

// Name strips (logo_pictures.cpp)
void DrawLogo(Canvas& canvas);          // "QZ" badge, shaded band and ink drops
void DrawSpareBanner(Canvas& canvas);   // wide "QZ" band with the ink colours

} // namespace qz_bitmaps
