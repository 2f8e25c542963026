// The recurring parts of the illustrations: cartridges, printed sheets and what is printed on
// them, ink drops and arrows. Positions are the top-left corner in pixels.
#pragma once
#include <cstdint>
#include <initializer_list>
#include "canvas.h"

namespace qz_bitmaps {

// Ink of a cartridge: the tricolour one shows three chambers on its label.
enum class Ink { kBlack, kTricolour };

// A cartridge seen from the front: grip on top, labelled body, contacts on the right side and
// the nozzle plate at the bottom.
void DrawCartridge(Canvas& canvas, int left, int top, int width, int height, Ink ink);

// A sheet with its top-right corner folded over.
void DrawSheet(Canvas& canvas, int left, int top, int width, int height);

// Rows of text as grey bars two pixels high, four apart, every third row shorter. With
// streaks, some pixel rows are left out as a clogged nozzle would leave them.
void DrawTextRows(Canvas& canvas, int left, int top, int width, int rows, bool streaked);

// A row of filled squares, one per colour; with streaks each has white lines across.
void DrawColourSquares(Canvas& canvas, int left, int top, int size, int gap,
                       std::initializer_list<std::uint8_t> colours, bool streaked);

// A horizontal dashed line, dashes of three pixels.
void DrawDashedLine(Canvas& canvas, int left, int top, int width, std::uint8_t colour);

// Drops falling from the nozzles: one small drop per colour, side by side.
void DrawInkDrops(Canvas& canvas, int left, int top, int spacing,
                  std::initializer_list<std::uint8_t> colours);

// A downward arrow whose tip is at (centreX, tipY).
void DrawDownArrow(Canvas& canvas, int centreX, int tipY, int length, std::uint8_t colour);

} // namespace qz_bitmaps
