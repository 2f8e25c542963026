// Separation by grey-component replacement and a damped Gauss-Newton inversion of the ink model
// in CIELAB over all four inks, constrained to coverages 0..1 and the ink limit.
#include "separation_solver.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "colour_space.h"
#include "print_target.h"
#include "process_colours.h"

namespace {

// Colours at least this chromatic ((max - min) / max of linear RGB) take their black only as
// darkness demands; below it they move gradually towards full replacement.
constexpr double kChromaWithoutGreyBlack = 0.25;
// How hard the solve holds black to the replacement's choice, in CIELAB units per unit of
// coverage: a black the colour inks cannot complement gives way before the colour does.
constexpr double kBlackHold = 1.0;

constexpr int kMaxIterations = 80;
constexpr double kStep = 1e-5;
constexpr int kVariables = 4; // cyan, magenta, yellow, black
constexpr int kResiduals = 4; // L*, a*, b*, black away from its aim

using Inks = std::array<double, kVariables>;
using Residual = std::array<double, kResiduals>;

double Norm2(const Residual& r)
{
    double sum = 0;
    for (double value : r)
        sum += value * value;
    return sum;
}

// Keeps coverages within 0..1 and the total within the ink limit, taking the excess evenly from
// the colour inks that still have some: black carries the darkness at the least ink.
Inks Feasible(Inks inks)
{
    for (double& value : inks)
        value = std::clamp(value, 0.0, 1.0);
    const double budget = std::max(0.0, kInkLimit - inks[3]);
    for (int round = 0; round < 3; ++round) {
        double sum = inks[0] + inks[1] + inks[2];
        int inking = (inks[0] > 0) + (inks[1] > 0) + (inks[2] > 0);
        if (sum <= budget || inking == 0)
            break;
        double cut = (sum - budget) / inking;
        for (int ink = 0; ink < 3; ++ink)
            inks[ink] = std::max(0.0, inks[ink] - (inks[ink] > 0 ? cut : 0.0));
    }
    return inks;
}

// Gaussian elimination with partial pivoting on an n x n system; false when it is singular.
template <int N>
bool Solve(std::array<std::array<double, N + 1>, N> m, std::array<double, N>& x)
{
    for (int col = 0; col < N; ++col) {
        int pivot = col;
        for (int row = col + 1; row < N; ++row)
            if (std::fabs(m[row][col]) > std::fabs(m[pivot][col]))
                pivot = row;
        if (std::fabs(m[pivot][col]) < 1e-15)
            return false;
        std::swap(m[col], m[pivot]);
        for (int row = col + 1; row < N; ++row) {
            double factor = m[row][col] / m[col][col];
            for (int k = col; k <= N; ++k)
                m[row][k] -= factor * m[col][k];
        }
    }
    for (int row = N - 1; row >= 0; --row) {
        double sum = m[row][N];
        for (int k = row + 1; k < N; ++k)
            sum -= m[row][k] * x[k];
        x[row] = sum / m[row][row];
    }
    return true;
}

double Channel(const LinearRgb& colour, int index)
{
    return index == 0 ? colour.r : index == 1 ? colour.g : colour.b;
}

// A first guess for the colour inks beneath the black from optical densities, which add where
// inks overlap when solid.
Inks DensityGuess(const LinearRgb& beneathBlack, double black)
{
    const LinearRgb inks[3] = {kCyanInk, kMagentaInk, kYellowInk};
    std::array<std::array<double, 4>, 3> system;
    for (int channel = 0; channel < 3; ++channel) {
        for (int ink = 0; ink < 3; ++ink)
            system[channel][ink] = -std::log(Channel(inks[ink], channel));
        system[channel][3] = -std::log(std::max(Channel(beneathBlack, channel), 1e-4));
    }
    std::array<double, 3> cmy{0, 0, 0};
    Solve<3>(system, cmy);
    return Feasible({cmy[0], cmy[1], cmy[2], black});
}

Residual ResidualOf(const Inks& inks, const Lab& goal, double blackAim)
{
    Lab printed = LabFromLinear(PaperColour({inks[0], inks[1], inks[2], inks[3]}));
    return {printed.L - goal.L, printed.a - goal.a, printed.b - goal.b, kBlackHold * (inks[3] - blackAim)};
}

// Levenberg-Marquardt from the guess, each step projected back onto what the printer can lay down.
Inks Solve(const LinearRgb& target, Inks inks, double blackAim)
{
    const Lab goal = LabFromLinear(target);
    Residual residual = ResidualOf(inks, goal, blackAim);
    double damping = 1e-3;
    for (int iteration = 0; iteration < kMaxIterations && Norm2(residual) > 1e-10; ++iteration) {
        double jacobian[kResiduals][kVariables];
        for (int ink = 0; ink < kVariables; ++ink) {
            Inks moved = inks;
            double step = inks[ink] + kStep <= 1.0 ? kStep : -kStep;
            moved[ink] += step;
            Residual there = ResidualOf(moved, goal, blackAim);
            for (int row = 0; row < kResiduals; ++row)
                jacobian[row][ink] = (there[row] - residual[row]) / step;
        }
        std::array<std::array<double, kVariables + 1>, kVariables> normal{};
        for (int i = 0; i < kVariables; ++i) {
            for (int j = 0; j < kVariables; ++j)
                for (int row = 0; row < kResiduals; ++row)
                    normal[i][j] += jacobian[row][i] * jacobian[row][j];
            for (int row = 0; row < kResiduals; ++row)
                normal[i][kVariables] -= jacobian[row][i] * residual[row];
            normal[i][i] = normal[i][i] * (1.0 + damping) + 1e-12;
        }
        Inks delta;
        if (!Solve<kVariables>(normal, delta))
            break;
        Inks candidate = inks;
        for (int ink = 0; ink < kVariables; ++ink)
            candidate[ink] += delta[ink];
        candidate = Feasible(candidate);
        Residual candidateResidual = ResidualOf(candidate, goal, blackAim);
        if (Norm2(candidateResidual) < Norm2(residual)) {
            double moved = 0;
            for (int ink = 0; ink < kVariables; ++ink)
                moved += std::fabs(candidate[ink] - inks[ink]);
            inks = candidate;
            residual = candidateResidual;
            damping = std::max(damping / 3.0, 1e-9);
            if (moved < 1e-10)
                break;
        } else if ((damping *= 8.0) > 1e9) {
            break;
        }
    }
    return inks;
}

} // namespace

InkCoverage SeparateColour(const LinearRgb& source)
{
    const LinearRgb target = PrintTarget(source);
    const double brightest = std::max({target.r, target.g, target.b});
    const double darkest = std::min({target.r, target.g, target.b});
    const double blackInk = BlackInkLuminance();
    // The most black the colour can take: enough to bring its brightest channel down to the target.
    const double greyBlack = std::clamp((1.0 - brightest) / (1.0 - blackInk), 0.0, 1.0);
    const double chromatic = std::min(1.0, (brightest - darkest) / brightest / kChromaWithoutGreyBlack);
    const double black = greyBlack * (1.0 - chromatic * (1.0 - greyBlack));
    // Black darkens every channel alike; the colour inks make up what is left of the target.
    const double passed = 1.0 - black * (1.0 - blackInk);
    const LinearRgb beneathBlack{target.r / passed, target.g / passed, target.b / passed};
    if (brightest - darkest <= 1e-12)
        return {0, 0, 0, black};
    Inks inks = Solve(target, DensityGuess(beneathBlack, black), black);
    const ProcessColourPull pull = PullTowardsProcessColour(source);
    const Inks single{pull.inks.cyan, pull.inks.magenta, pull.inks.yellow, pull.inks.black};
    for (int ink = 0; ink < kVariables; ++ink)
        inks[ink] = pull.weight * single[ink] + (1 - pull.weight) * inks[ink];
    return {inks[0], inks[1], inks[2], inks[3]};
}
