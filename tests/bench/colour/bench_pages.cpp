// The pages, drawn from sums of sines and a hash, so they are the same on every run.
#include "bench_pages.h"

#include <cmath>
#include <cstring>
#include <vector>

namespace {

uint32_t Hash(uint32_t x, uint32_t y)
{
    uint32_t h = x * 0x9E3779B1u ^ y * 0x85EBCA77u;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    return h ^ h >> 13;
}

SourcePage WhitePage()
{
    SourcePage page{kA4Width600, kA4Height600, {}};
    page.srgb.assign(size_t{page.width} * page.height * 3, 0xFF);
    return page;
}

void Fill(SourcePage& page, unsigned x0, unsigned y0, unsigned width, unsigned height)
{
    for (unsigned y = y0; y < y0 + height; ++y)
        std::memset(page.srgb.data() + (size_t{y} * page.width + x0) * 3, 0, size_t{width} * 3);
}

} // namespace

SourcePage PhotoLikePage()
{
    SourcePage page = WhitePage();
    // Each channel is a sum of waves across, down and along the diagonal; tabulated per channel.
    std::vector<double> across[3], down[3], diagonal[3];
    for (unsigned channel = 0; channel < 3; ++channel) {
        for (unsigned x = 0; x < page.width; ++x)
            across[channel].push_back(128 + 70 * std::sin(x / 310.0 + channel));
        for (unsigned y = 0; y < page.height; ++y)
            down[channel].push_back(50 * std::sin(y / 270.0 + 2.0 * channel));
        for (unsigned d = 0; d < page.width + page.height; ++d)
            diagonal[channel].push_back(30 * std::sin(d / 150.0 + 0.7 * channel));
    }
    for (unsigned y = 0; y < page.height; ++y) {
        uint8_t* pixel = page.srgb.data() + size_t{y} * page.width * 3;
        for (unsigned x = 0; x < page.width; ++x) {
            for (unsigned channel = 0; channel < 3; ++channel, ++pixel) {
                const int texture = int(Hash(x, y * 3 + channel) % 25) - 12;
                const int value = int(across[channel][x] + down[channel][y] + diagonal[channel][x + y]) + texture;
                *pixel = static_cast<uint8_t>(value < 0 ? 0 : value > 255 ? 255 : value);
            }
        }
    }
    return page;
}

SourcePage TextPage()
{
    constexpr unsigned kMargin = 590;  // 25 mm
    constexpr unsigned kLeading = 100; // 12 pt
    constexpr unsigned kCapHeight = 70;
    constexpr unsigned kStroke = 7;
    SourcePage page = WhitePage();
    for (unsigned baseline = kMargin + kCapHeight; baseline + 30 < page.height - kMargin; baseline += kLeading) {
        unsigned x = kMargin;
        for (unsigned glyph = 0; x + 60 < page.width - kMargin; ++glyph) {
            const uint32_t shape = Hash(glyph, baseline);
            const unsigned width = 36 + shape % 19;
            if (shape % 7 == 0) { // a space between words
                x += 36;
                continue;
            }
            const unsigned top = baseline - (shape & 8 ? kCapHeight : 48);
            Fill(page, x, top, kStroke, baseline - top);
            if (shape & 16)
                Fill(page, x + width - kStroke, top, kStroke, baseline - top);
            if (shape & 32)
                Fill(page, x, top, width, kStroke);
            Fill(page, x, baseline - kStroke, width, kStroke);
            if (shape % 5 == 0) // a descender
                Fill(page, x + width / 2, baseline, kStroke, 22);
            x += width + 8;
        }
    }
    return page;
}
