// From 8-bit sRGB or grey rows at 600 dpi to the printer's dot planes, row by row: separation
// into cyan, magenta, yellow and black (neutrals and black text in black ink alone), colour inks
// averaged to 300 dpi, then halftoned to the printer's levels. Holds a few rows, never a page.
#pragma once
#include <stddef.h>
#include <stdint.h>

#include <memory>
#include <vector>

#include "halftoner.h"
#include "printer/raster_format.h" // PlaneRow

enum class PixelFormat { Srgb8, Grey8 };     // 3 or 1 bytes per 600-dpi pixel
enum class ColourMode { Colour, Greyscale }; // Greyscale: black ink only

// A row group covers two 600-dpi rows: black row a (the upper), black row b, then the low and
// the high bit of cyan, of magenta and of yellow at 300 dpi.
constexpr size_t kPlanesPerGroup = 8;

class ColourPipeline {
public:
    // Halftones with the blue-noise threshold matrix.
    ColourPipeline(unsigned width600, PixelFormat format, ColourMode mode);
    ColourPipeline(unsigned width600, PixelFormat format, ColourMode mode, std::unique_ptr<Halftoner> halftoner);
    ~ColourPipeline();
    ColourPipeline(const ColourPipeline&) = delete;
    ColourPipeline& operator=(const ColourPipeline&) = delete;

    // Forgets a half-filled group and whatever the halftoner carries between rows.
    void StartPage();
    // One 600-dpi row of width600 pixels; true when a row group is complete.
    bool PutRow(const uint8_t* pixels);
    // Completes a half-filled group with a white row; true when there was one.
    bool Flush();
    // The kPlanesPerGroup planes of the group just completed.
    const PlaneRow* Group() const;
    // No ink at all in it.
    bool GroupIsBlank() const;

private:
    void SeparateColour(const uint8_t* pixels, uint16_t* black, bool firstRow);
    void SeparateGrey(const uint8_t* pixels, uint16_t* black);
    void CompleteGroup();

    const unsigned width600_;
    const unsigned width300_;
    const PixelFormat format_;
    const uint32_t* const table_;
    std::unique_ptr<Halftoner> halftoner_;

    unsigned row_ = 0;                 // 600-dpi rows given since the page began
    std::vector<uint16_t> black_[2];   // black amounts of the group's two rows
    bool blackInk_[2] = {false, false};
    std::vector<uint32_t> cellSums_;   // 300-dpi sums: cyan | magenta << 10 | yellow << 20
    bool colourInk_ = false;
    std::vector<uint16_t> inkAmounts_; // one ink's sums, unpacked for the halftoner
    std::vector<uint8_t> planeBytes_;
    uint8_t* planes_[kPlanesPerGroup];
    PlaneRow group_[kPlanesPerGroup];
    bool blank_ = true;
};
