// The separation as lookup tables, made at build time by make_separation_tables: ink amounts at
// the nodes of a grid over the sRGB cube. A pixel picks one node per channel, rounding up or down
// by a small ordered dither that is the same in all three channels: averaged over neighbouring
// pixels that gives the interpolation between nodes, and a neutral pixel never leaves the grey
// axis, so it never picks up colour ink.
#pragma once
#include <stdint.h>

#include "halftoner.h"

constexpr unsigned kSeparationNodes = 33; // per channel
constexpr unsigned kSeparationNodeCount = kSeparationNodes * kSeparationNodes * kSeparationNodes;

// Entries: cyan | magenta << 8 | yellow << 16 | black << 24, colour coverage 0..255. Black is
// a code in even steps of the lightness it prints, fine where coverage changes little but
// lightness much (near solid black), and kBlackAmounts turns it into an amount.
extern const uint32_t kColourSeparation[kSeparationNodeCount];
extern const uint32_t kGreyscaleSeparation[kSeparationNodeCount]; // black only, from luminance

extern const uint16_t kBlackAmounts[256]; // for each black code
extern const uint16_t kGreyBlack[256];    // for each 8-bit grey

inline uint8_t BlackCodeOf(uint32_t entry)
{
    return static_cast<uint8_t>(entry >> 24);
}

// The dither's phases, and where each channel value lands in a table at each phase.
constexpr unsigned kNodePhases = 16;
struct NodeOffsets {
    uint16_t red[kNodePhases][256];
    uint16_t green[kNodePhases][256];
    uint16_t blue[kNodePhases][256];
};
const NodeOffsets& SeparationNodeOffsets();

// The phase of each pixel of a row, repeating every four pixels and every four rows.
const uint8_t* NodePhasesOfRow(unsigned row);
