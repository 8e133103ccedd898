#include "analysis/detection_probability.h"
#include "analysis/expected_count.h"
#include "cli/common/run_options.h"
#include "cli/common/run_setup.h"
#include "core/measurement.h"
#include "core/settings_rules.h"
#include "core/simulation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

constexpr int Seeds = 1000;
constexpr std::int32_t Particles = 2000;

std::int32_t DetectedWith(std::uint32_t seed, int threads, ExpectedCount* expected = nullptr)
{
    RunOptions options;
    // A wide slit in a weak field: the energies that pass are not the
    // band's (7.475–156 keV), but 7.5–16.8 keV.
    options.fieldMicrotesla = 500;
    options.slitStep = 10;
    options.seed = seed;
    Simulation sim;
    EXPECT_FALSE(PrepareSimulation(options, 10.0, sim));
    MeasureHeadless(sim, Particles, threads);
    if (expected)
        *expected = ExpectCount(DetectionProbability(sim, CoarseGrid), Particles, 0);
    return sim.run.detectedCount;
}

// Seeds give repeated experiments: the counts of 1000 seeds scatter about the
// expected count as independent binomial draws do, to within a few percent of
// the binomial variance. Either bound fails at the
// 1e-3 level of its own statistic.
TEST(SeededCounts, ScatterBinomiallyAboutTheExpectedCount)
{
    ExpectedCount expected;
    std::vector<double> counts;
    for (std::uint32_t seed = 1; seed <= Seeds; ++seed)
        counts.push_back(DetectedWith(seed, 1, &expected));
    double mean = 0.0;
    for (double count : counts)
        mean += count / Seeds;
    double squares = 0.0;
    for (double count : counts)
        squares += (count - mean) * (count - mean);
    const double p = expected.detected / Particles;
    const double binomialVariance = Particles * p * (1.0 - p);
    EXPECT_LT(std::fabs(mean - expected.detected), 3.3 * std::sqrt(binomialVariance / Seeds)) << mean;
    // χ² with 999 degrees of freedom lies in [866.5, 1142.8] but once in a
    // thousand at either end.
    EXPECT_GT(squares / binomialVariance, 866.5);
    EXPECT_LT(squares / binomialVariance, 1142.8);
}

// Every seed is its own data set: a seed's high bits count as much as its low
// ones, and the largest seed is not the usual sequence again.
TEST(SeededCounts, DifferInTheHighBits)
{
    EXPECT_NE(DetectedWith(7, 1), DetectedWith(7u | 0x80000000u, 1));
    EXPECT_NE(DetectedWith(0, 1), DetectedWith(0x80000000u, 1));
    EXPECT_NE(DetectedWith(0xFFFFFFFFu, 1), DetectedWith(0, 1));
}

TEST(SeededCounts, DoNotDependOnTheThreads)
{
    EXPECT_EQ(DetectedWith(7, 1), DetectedWith(7, 3));
    EXPECT_NE(DetectedWith(7, 1), DetectedWith(0, 1));
}

}
