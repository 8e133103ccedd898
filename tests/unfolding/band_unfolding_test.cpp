#include "unfolding/band_unfolding.h"
#include "unfolding/box_response.h"
#include "unfolding/nonnegative_least_squares.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <random>

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

// A beta-like hump, s ∝ E (160 − E)² on [0, 160] and zero above.
constexpr double HumpEnd = 160.0;

double HumpDensity(double e)
{
    return e < HumpEnd ? 12.0 * e * (HumpEnd - e) * (HumpEnd - e) / std::pow(HumpEnd, 4) : 0.0;
}

double HumpProbability(double lower, double upper)
{
    auto cumulative = [](double e) {
        e = std::clamp(e, 0.0, HumpEnd);
        return 12.0 * (HumpEnd * HumpEnd * e * e / 2 - 2 * HumpEnd * e * e * e / 3 + e * e * e * e / 4)
            / std::pow(HumpEnd, 4);
    };
    return cumulative(upper) - cumulative(lower);
}

// Counted exactly, the hump lies inside every interval, which holds its
// estimate and never reaches below zero.
TEST(UnfoldBands, ExactCountsLieInsideTheIntervals)
{
    const std::vector<double> energies = PassEnergies();
    const UnfoldedSpectrum unfolded = UnfoldBands(ExactCounts(HumpProbability), 0.1, 176.0, energies);
    for (std::size_t i = 0; i < energies.size(); ++i) {
        SCOPED_TRACE(energies[i]);
        EXPECT_LE(unfolded.lower[i], HumpDensity(energies[i]));
        EXPECT_GE(unfolded.upper[i], HumpDensity(energies[i]));
        EXPECT_LE(unfolded.lower[i], unfolded.density[i]);
        EXPECT_GE(unfolded.upper[i], unfolded.density[i]);
        EXPECT_GE(unfolded.lower[i], 0.0);
    }
}

// The intervals' promise is about repeated experiments: over 60 noisy scans
// of the hump a 95 % interval holds the truth about 57 times at every energy,
// the peak and the steep low end included, where a smoothing penalty's bias
// is largest. 50 lies four binomial deviations below 57; the Bayesian
// intervals of the cross-validated fit held the truth at the low end only 44
// times.
TEST(UnfoldBands, IntervalsCoverTheTruthAtEveryEnergyOverRepeatedScans)
{
    constexpr int Scans = 60;
    const std::vector<double> energies = PassEnergies();
    const std::vector<BandCount> exact = ExactCounts(HumpProbability);
    std::mt19937 random(1);
    std::normal_distribution<double> normal;
    std::vector<int> covered(energies.size(), 0);
    for (int scan = 0; scan < Scans; ++scan) {
        std::vector<BandCount> counts = exact;
        for (BandCount& count : counts) {
            const double p = count.detected / count.launched;
            count.detected = std::round(count.detected + normal(random) * std::sqrt(count.launched * p * (1 - p)));
        }
        const UnfoldedSpectrum unfolded = UnfoldBands(counts, 0.1, 176.0, energies);
        for (std::size_t i = 0; i < energies.size(); ++i) {
            const double truth = HumpDensity(energies[i]);
            covered[i] += unfolded.lower[i] <= truth && truth <= unfolded.upper[i] ? 1 : 0;
        }
    }
    int all = 0;
    for (std::size_t i = 0; i < energies.size(); ++i) {
        EXPECT_GE(covered[i], 50) << energies[i];
        all += covered[i];
    }
    // Intervals so wide that they always hold the truth would be no better.
    EXPECT_LT(all, Scans * static_cast<int>(energies.size()) * 0.995);
}

// A band that expects only a few counts leans the fit low if each count is
// weighed by its own error: a count that fell low by chance gets the smaller
// error. Over 100 scans of 500 particles a point, with fewer than ten counts
// expected at the four lowest energies, the estimate there lies on average
// within 0.3 standard deviations of the truth; weighed by the counts' own
// errors it lay half a standard deviation low.
TEST(UnfoldBands, FewCountsDoNotPullTheEstimateLow)
{
    constexpr int Scans = 100;
    constexpr int Launched = 500;
    constexpr std::size_t FewCountPoints = 4;
    const std::vector<double> energies = PassEnergies();
    const std::vector<BandCount> exact = ExactCounts(HumpProbability);
    for (std::size_t i = 0; i <= FewCountPoints; ++i)
        ASSERT_EQ(Launched * exact[i].detected / exact[i].launched < 10.0, i < FewCountPoints) << energies[i];
    std::mt19937 random(1);
    double deviation = 0.0;
    for (int scan = 0; scan < Scans; ++scan) {
        std::vector<BandCount> counts = exact;
        for (BandCount& count : counts) {
            std::binomial_distribution<int> binomial(Launched, count.detected / count.launched);
            count.launched = Launched;
            count.detected = binomial(random);
        }
        const UnfoldedSpectrum unfolded = UnfoldBands(counts, 0.1, 176.0, energies);
        for (std::size_t i = 0; i < FewCountPoints; ++i)
            deviation += (unfolded.density[i] - HumpDensity(energies[i])) / unfolded.error[i];
    }
    EXPECT_LT(std::fabs(deviation / (Scans * FewCountPoints)), 0.3) << deviation / (Scans * FewCountPoints);
}

// The C-14 scan at 1000 µT, slit 5, 200 000 particles a point, as the program
// counts it, with the true N·s(E) of the drawn density. Its GCV curve falls
// lowest where the fit interpolates every count, which must not be chosen.
TEST(UnfoldBands, RecoversTheCarbonScanWithinItsErrors)
{
    struct Point {
        double energy;
        double lower;
        double upper;
        double detected;
        double truePerKeV;
    };
    const std::vector<Point> scan{
        {10, 9.043, 11.227, 5026, 2318.02},
        {15, 13.293, 17.329, 9644, 2384.73},
        {20, 17.425, 23.713, 15033, 2407.56},
        {25, 21.455, 30.367, 20981, 2396.26},
        {30, 25.397, 37.295, 27730, 2357.85},
        {35, 29.257, 44.501, 34212, 2298.23},
        {40, 33.043, 51.991, 41136, 2221.26},
        {45, 36.759, 59.779, 47418, 2130.17},
        {50, 40.409, 67.873, 52728, 2027.60},
        {55, 43.999, 76.289, 57735, 1915.93},
        {60, 47.529, 85.045, 61161, 1797.14},
        {65, 51.005, 94.159, 63566, 1673.05},
        {70, 54.425, 103.651, 64820, 1545.28},
        {75, 57.793, 113.547, 63793, 1415.36},
        {80, 61.113, 123.871, 61901, 1284.66},
        {85, 64.383, 134.655, 58591, 1154.51},
        {90, 67.605, 145.931, 54021, 1026.13},
        {95, 70.783, 157.737, 49405, 900.73},
        {100, 73.915, 170.111, 44742, 779.42},
        {105, 77.005, 183.101, 40121, 663.28},
        {110, 80.053, 196.761, 35945, 553.35},
        {115, 83.059, 211.149, 32543, 450.66},
        {120, 86.023, 226.333, 28993, 356.14},
        {125, 88.949, 242.385, 25844, 270.75},
        {130, 91.837, 259.399, 23023, 195.49},
        {135, 94.687, 277.469, 20128, 131.28},
        {140, 97.499, 296.715, 17656, 78.67},
        {145, 100.275, 317.271, 15569, 38.43},
        {150, 103.015, 339.295, 13491, 12.60},
    };
    constexpr double Launched = 200000.0;
    std::vector<BandCount> counts;
    std::vector<double> energies;
    for (const Point& point : scan) {
        counts.push_back({point.lower, point.upper, Launched, point.detected});
        energies.push_back(point.energy);
    }
    const UnfoldedSpectrum unfolded = UnfoldBands(counts, 0.1, 171.6, energies);
    int inside = 0;
    double squares = 0.0;
    for (std::size_t i = 0; i < scan.size(); ++i) {
        const double pull = (Launched * unfolded.density[i] - scan[i].truePerKeV) / (Launched * unfolded.error[i]);
        const double truth = scan[i].truePerKeV;
        inside += Launched * unfolded.lower[i] <= truth && truth <= Launched * unfolded.upper[i] ? 1 : 0;
        squares += pull * pull;
        EXPECT_LT(std::abs(pull), 4.0) << scan[i].energy;
    }
    EXPECT_GE(inside, 26);
    // Errors that covered everything by being huge would be no better.
    EXPECT_GT(std::sqrt(squares / scan.size()), 0.6);
}

}
