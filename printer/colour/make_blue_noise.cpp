// Writes the blue-noise threshold matrix as C++ source: the rank of every cell, made by the
// void-and-cluster method so that the dots of every level spread evenly, without clumps or
// holes, and the matrix tiles without seams. Run at build time; the output depends only on the
// constants here.
#include <stdint.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

#include "generated_source.h"

namespace {

constexpr int kSize = 128;             // cells per side
constexpr double kSigma = 1.5;         // of the Gaussian that measures crowding, in cells
constexpr int kReach = 7;              // cells beyond which that Gaussian counts for nothing
constexpr double kInitialDensity = 0.1;
constexpr uint32_t kSeed = 20240611;

class Crowding {
public:
    Crowding() : energy_(kSize * kSize, 0.0), dots_(kSize * kSize, 0)
    {
        for (int dy = -kReach; dy <= kReach; ++dy)
            for (int dx = -kReach; dx <= kReach; ++dx)
                kernel_.push_back(std::exp(-(dx * dx + dy * dy) / (2 * kSigma * kSigma)));
    }

    bool Dot(int cell) const { return dots_[cell] != 0; }

    void Set(int cell, bool dot)
    {
        dots_[cell] = dot;
        const int x = cell % kSize, y = cell / kSize;
        const double sign = dot ? 1.0 : -1.0;
        size_t k = 0;
        for (int dy = -kReach; dy <= kReach; ++dy)
            for (int dx = -kReach; dx <= kReach; ++dx, ++k)
                energy_[Wrap(y + dy) * kSize + Wrap(x + dx)] += sign * kernel_[k];
    }

    // The dot with the most dots around it.
    int TightestCluster() const { return Extreme(true); }
    // The empty cell with the fewest dots around it.
    int LargestVoid() const { return Extreme(false); }

private:
    static int Wrap(int v) { return (v + kSize) % kSize; }

    int Extreme(bool dot) const
    {
        int best = -1;
        for (int cell = 0; cell < kSize * kSize; ++cell) {
            if (Dot(cell) != dot)
                continue;
            if (best < 0 || (dot ? energy_[cell] > energy_[best] : energy_[cell] < energy_[best]))
                best = cell;
        }
        return best;
    }

    std::vector<double> energy_;
    std::vector<uint8_t> dots_;
    std::vector<double> kernel_;
};

std::vector<int> VoidAndCluster()
{
    const int cells = kSize * kSize;
    Crowding initial;
    std::mt19937 random(kSeed);
    for (int placed = 0; placed < cells * kInitialDensity;) {
        int cell = static_cast<int>(random() % cells);
        if (!initial.Dot(cell)) {
            initial.Set(cell, true);
            ++placed;
        }
    }
    // Spread the first dots: move the most crowded one into the emptiest place until it would
    // land where it came from.
    for (;;) {
        int cluster = initial.TightestCluster();
        initial.Set(cluster, false);
        int hole = initial.LargestVoid();
        initial.Set(hole, true);
        if (hole == cluster)
            break;
    }
    int ones = 0;
    for (int cell = 0; cell < cells; ++cell)
        ones += initial.Dot(cell);

    std::vector<int> rank(cells, -1);
    Crowding removing = initial;
    for (int r = ones - 1; r >= 0; --r) {
        int cluster = removing.TightestCluster();
        removing.Set(cluster, false);
        rank[cluster] = r;
    }
    // Every further dot goes into the largest void; past half-full that is the same as taking
    // the tightest cluster of empty cells.
    Crowding adding = initial;
    for (int r = ones; r < cells; ++r) {
        int hole = adding.LargestVoid();
        adding.Set(hole, true);
        rank[hole] = r;
    }
    return rank;
}

} // namespace

int main(int argc, char** argv)
{
    return WriteGeneratedFile(argc, argv, [](std::FILE* out) {
        std::fprintf(out, "// Made by make_blue_noise: ranks of a blue-noise matrix, row by row.\n");
        std::fprintf(out, "constexpr unsigned kBlueNoiseSize = %d;\n", kSize);
        const std::vector<int> rank = VoidAndCluster();
        WriteArray(out, "const uint16_t kBlueNoiseRanks[kBlueNoiseSize * kBlueNoiseSize]", kSize * kSize, kSize, "%u",
                   [&](unsigned cell) { return unsigned(rank[cell]); });
    });
}
