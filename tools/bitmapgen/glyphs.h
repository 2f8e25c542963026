// A 5x7 pixel alphabet for the few letters the pictures carry (the logo, the calibration labels).
#pragma once
#include <cstdint>
#include <string_view>
#include "canvas.h"

namespace qz_bitmaps {

inline constexpr int kGlyphWidth = 5;
inline constexpr int kGlyphHeight = 7;

// Draws text with its top-left corner at (left, top), each glyph pixel as a scale x scale
// square and one glyph column (times scale) between letters. Throws std::invalid_argument for a
// letter the alphabet does not have.
void DrawGlyphText(Canvas& canvas, int left, int top, std::string_view text, int scale,
                   std::uint8_t colour);

// Width in pixels of text drawn at scale.
int GlyphTextWidth(std::string_view text, int scale);

} // namespace qz_bitmaps
