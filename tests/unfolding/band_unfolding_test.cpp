#include "unfolding/band_unfolding.h"
#include "unfolding/box_response.h"
#include "unfolding/nonnegative_least_squares.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

TEST(BoxResponse, IntegratesABrokenLineExactly)
{
    const NodeGrid grid{2.0, 12.0, 11};
    const std::vector<BandCount> bands{{2.0, 12.0}, {3.3, 3.7}, {0.0, 5.5}, {7.25, 40.0}, {20.0, 30.0}};
    Eigen::VectorXd line(grid.nodes);
    for (int i = 0; i < grid.nodes; ++i)
        line(i) = 1.0 + 3.0 * grid.Node(i);
    auto integral = [](double a, double b) { return (b - a) + 1.5 * (b * b - a * a); };
    const Eigen::VectorXd expected{{integral(2.0, 12.0), integral(3.3, 3.7), integral(2.0, 5.5),
                                    integral(7.25, 12.0), 0.0}};
    EXPECT_LT((BoxResponse(grid, bands) * line - expected).cwiseAbs().maxCoeff(), 1e-12);
    EXPECT_NEAR(Interpolation(grid, 7.25) * line, 1.0 + 3.0 * 7.25, 1e-12);
}

TEST(NonNegativeLeastSquares, BindsOnlyWhereTheFreeMinimumIsNegative)
{
    // Without the bound the least-squares solution is (3, −3, 2).
    const Eigen::MatrixXd C{{1.0, 1.0, 0.0}, {1.0, -1.0, 0.0}, {0.0, 0.0, 2.0}, {1.0, 0.0, 0.0}};
    const Eigen::VectorXd d = C * Eigen::VectorXd{{3.0, -3.0, 2.0}};
    // (x₁ + x₂ − 0)² + (x₁ − x₂ − 6)² + (x₁ − 3)² with x₂ = 0 is least at x₁ = 3.
    for (const Eigen::VectorXd& guess : {Eigen::VectorXd{{0.0, 0.0, 0.0}}, Eigen::VectorXd{{3.0, -3.0, 2.0}},
                                         Eigen::VectorXd{{1.0, 1.0, 1.0}}}) {
        const Eigen::VectorXd x = NonNegativeLeastSquares(C, d, guess);
        EXPECT_NEAR(x(0), 3.0, 1e-12);
        EXPECT_EQ(x(1), 0.0);
        EXPECT_NEAR(x(2), 2.0, 1e-12);
    }
}

// Bands as a Wien filter's: narrow and nearly symmetric at low energies,
// wide and reaching upwards at high ones, the last beyond the spectrum.
std::vector<BandCount> ExactCounts(const std::function<double(double, double)>& probability)
{
    std::vector<BandCount> counts;
    for (double energy = 10.0; energy <= 150.0; energy += 5.0) {
        const double lower = energy * (1.0 - 0.001 * energy);
        const double upper = energy * (1.0 + 0.0025 * energy);
        const double launched = 200000.0;
        counts.push_back({lower, upper, launched, launched * probability(lower, upper)});
    }
    return counts;
}

std::vector<double> PassEnergies()
{
    std::vector<double> energies;
    for (double energy = 10.0; energy <= 150.0; energy += 5.0)
        energies.push_back(energy);
    return energies;
}

// A straight line has no curvature: whatever the smoothing, the exact counts
// leave it as the one best fit.
TEST(UnfoldBands, RecoversAStraightLineExactly)
{
    // s(E) = (200 − E) / 20000 per keV on [0, 200].
    auto cumulative = [](double e) { e = std::clamp(e, 0.0, 200.0); return (200.0 * e - e * e / 2) / 20000.0; };
    const std::vector<double> energies = PassEnergies();
    const UnfoldedSpectrum unfolded = UnfoldBands(
        ExactCounts([&](double a, double b) { return cumulative(b) - cumulative(a); }), 0.0, 200.0, energies);
    for (std::size_t i = 0; i < energies.size(); ++i) {
        const double truth = (200.0 - energies[i]) / 20000.0;
        EXPECT_NEAR(unfolded.density[i], truth, 1e-6 * truth) << energies[i];
        EXPECT_GT(unfolded.error[i], 0.0);
    }
}

// A beta-like hump, s ∝ E (160 − E)² on [0, 160] and zero above: the
// smoothing bends it a little, by far less than the errors of real counts.
TEST(UnfoldBands, FollowsACurvedSpectrumWithinItsErrors)
{
    constexpr double End = 160.0;
    const double norm = std::pow(End, 4) / 12.0;
    auto density = [&](double e) { return e < End ? e * (End - e) * (End - e) / norm : 0.0; };
    auto cumulative = [&](double e) {
        e = std::clamp(e, 0.0, End);
        return (End * End * e * e / 2 - 2 * End * e * e * e / 3 + e * e * e * e / 4) / norm;
    };
    const std::vector<double> energies = PassEnergies();
    const UnfoldedSpectrum unfolded = UnfoldBands(
        ExactCounts([&](double a, double b) { return cumulative(b) - cumulative(a); }), 0.1, 176.0, energies);
    for (std::size_t i = 0; i < energies.size(); ++i) {
        EXPECT_LT(std::abs(unfolded.density[i] - density(energies[i])), 0.5 * unfolded.error[i] + 1e-9)
            << energies[i] << ": " << unfolded.density[i] << " ± " << unfolded.error[i];
        EXPECT_GE(unfolded.density[i], 0.0);
    }
}

}
