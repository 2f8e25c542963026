// The generated separation tables and the dithered node lookup.
#include "separation_tables.h"

#include <cmath>

#include "separation_tables.inc"

namespace {

// A 4 x 4 ordered dither: every phase once per block, neighbours far apart in phase.
constexpr uint8_t kPhases[4][4] = {
    {0, 8, 2, 10},
    {12, 4, 14, 6},
    {3, 11, 1, 9},
    {15, 7, 13, 5},
};

NodeOffsets MakeOffsets()
{
    NodeOffsets offsets;
    for (unsigned phase = 0; phase < kNodePhases; ++phase) {
        for (unsigned value = 0; value < 256; ++value) {
            double position = value * (kSeparationNodes - 1) / 255.0 + (phase + 0.5) / kNodePhases;
            unsigned node = static_cast<unsigned>(std::floor(position));
            if (node > kSeparationNodes - 1)
                node = kSeparationNodes - 1;
            offsets.red[phase][value] = static_cast<uint16_t>(node * kSeparationNodes * kSeparationNodes);
            offsets.green[phase][value] = static_cast<uint16_t>(node * kSeparationNodes);
            offsets.blue[phase][value] = static_cast<uint16_t>(node);
        }
    }
    return offsets;
}

} // namespace

const NodeOffsets& SeparationNodeOffsets()
{
    static const NodeOffsets offsets = MakeOffsets();
    return offsets;
}

const uint8_t* NodePhasesOfRow(unsigned row)
{
    return kPhases[row % 4];
}
