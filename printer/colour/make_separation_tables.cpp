// Writes the separation tables as C++ source: ink amounts for every node of a grid over the
// sRGB cube, for colour and for black-only printing, and black for each 8-bit grey. The solve
// takes about a second for the whole grid, so it runs at build time and the pipeline only looks up.
#include <cmath>
#include <cstdio>
#include <string>

#include "colour_space.h"
#include "generated_source.h"
#include "ink_model.h"
#include "print_target.h"
#include "separation_solver.h"
#include "separation_tables.h"

namespace {

double Clamped(double coverage)
{
    return std::fmin(std::fmax(coverage, 0.0), 1.0);
}

uint32_t Byte(double coverage)
{
    return static_cast<uint32_t>(std::lround(Clamped(coverage) * 255.0));
}

// Black codes step evenly in the lightness black alone prints, from paper white to solid black.
double LightnessOfBlack(double coverage)
{
    return LightnessOfLuminance(Luminance(PaperColour({0, 0, 0, Clamped(coverage)})));
}

uint32_t BlackCode(double coverage)
{
    const double white = LightnessOfBlack(0), black = LightnessOfBlack(1);
    return static_cast<uint32_t>(std::lround((white - LightnessOfBlack(coverage)) / (white - black) * 255.0));
}

// The coverage a code stands for, found by bisection: lightness falls as coverage grows.
double CoverageOfBlackCode(unsigned code)
{
    const double white = LightnessOfBlack(0), black = LightnessOfBlack(1);
    const double lightness = white - (white - black) * code / 255.0;
    double low = 0, high = 1;
    for (int step = 0; step < 50; ++step) {
        const double middle = (low + high) / 2;
        (LightnessOfBlack(middle) > lightness ? low : high) = middle;
    }
    return (low + high) / 2;
}

uint32_t BlackAmount(double coverage)
{
    return static_cast<uint32_t>(std::lround(Clamped(coverage) * kBlackFull));
}

uint32_t Packed(const InkCoverage& c)
{
    return Byte(c.cyan) | Byte(c.magenta) << 8 | Byte(c.yellow) << 16 | BlackCode(c.black) << 24;
}

// The sRGB colour at a node of the grid.
LinearRgb NodeColour(unsigned node)
{
    const unsigned n = kSeparationNodes;
    auto axis = [](unsigned index) { return LinearFromSrgb(index / double(kSeparationNodes - 1)); };
    return {axis(node / (n * n)), axis(node / n % n), axis(node % n)};
}

void WriteTable(std::FILE* out, const char* name, uint32_t (*entry)(unsigned node))
{
    WriteArray(out, (std::string("const uint32_t ") + name + "[kSeparationNodeCount]").c_str(), kSeparationNodeCount, 8, "0x%08x", entry);
}

} // namespace

int main(int argc, char** argv)
{
    return WriteGeneratedFile(argc, argv, [](std::FILE* out) {
        std::fprintf(out, "// Made by make_separation_tables from the ink model; entries are cyan | magenta << 8 |\n"
                          "// yellow << 16 | black code << 24, nodes red-major.\n");
        WriteTable(out, "kColourSeparation", [](unsigned node) { return Packed(SeparateColour(NodeColour(node))); });
        WriteTable(out, "kGreyscaleSeparation", [](unsigned node) {
            return Packed({0, 0, 0, BlackForLuminance(Luminance(NodeColour(node)))});
        });
        WriteArray(out, "const uint16_t kBlackAmounts[256]", 256, 16, "%u",
                   [](unsigned code) { return BlackAmount(CoverageOfBlackCode(code)); });
        WriteArray(out, "const uint16_t kGreyBlack[256]", 256, 16, "%u",
                   [](unsigned grey) { return BlackAmount(BlackForLuminance(LinearFromSrgb(grey / 255.0))); });
    });
}
