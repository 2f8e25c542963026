// Process colours: the colour's nearest edge of the cube from white to an ink's pure colour, and
// that ink's coverage for the point on the edge.
#include "process_colours.h"

#include <algorithm>

#include "colour_space.h"

namespace {

// How near an edge (in linear RGB) a colour must lie to be pulled at all, and how far its
// absorbed channel must lie below the others to be pulled fully.
constexpr double kEdgeReach = 0.25;

InkCoverage OneInk(int ink, double coverage)
{
    double inks[3] = {0, 0, 0};
    inks[ink] = coverage;
    return {inks[0], inks[1], inks[2], 0};
}

double LightnessOf(const InkCoverage& inks)
{
    return LabFromLinear(PaperColour(inks)).L;
}

// The ink's coverage for a colour on its edge: the edge's lightness from white down to the pure
// process colour spread over the ink's from paper to solid, so that pure cyan prints solid cyan.
InkCoverage SingleInk(int ink, const LinearRgb& onEdge)
{
    double corner[3] = {1, 1, 1};
    corner[ink] = 0;
    const double white = LightnessOfLuminance(1.0);
    const double pure = LabFromLinear({corner[0], corner[1], corner[2]}).L;
    const double solid = LightnessOf(OneInk(ink, 1.0));
    const double wanted = white - (white - LabFromLinear(onEdge).L) * (white - solid) / (white - pure);
    double low = 0, high = 1;
    for (int step = 0; step < 50; ++step) {
        const double middle = (low + high) / 2;
        (LightnessOf(OneInk(ink, middle)) > wanted ? low : high) = middle;
    }
    return OneInk(ink, (low + high) / 2);
}

} // namespace

ProcessColourPull PullTowardsProcessColour(const LinearRgb& colour)
{
    const double channels[3] = {colour.r, colour.g, colour.b};
    ProcessColourPull pull{0.0, {0, 0, 0, 0}};
    for (int ink = 0; ink < 3; ++ink) {
        const double others = std::min(channels[(ink + 1) % 3], channels[(ink + 2) % 3]);
        const double weight = std::max(0.0, 1.0 - (1.0 - others) / kEdgeReach) * std::clamp((others - channels[ink]) / kEdgeReach, 0.0, 1.0);
        if (weight > pull.weight) {
            double onEdge[3] = {1, 1, 1};
            onEdge[ink] = channels[ink];
            pull = {weight, SingleInk(ink, {onEdge[0], onEdge[1], onEdge[2]})};
        }
    }
    return pull;
}
