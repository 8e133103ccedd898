#include "cli/command_line.h"
#include "analysis/detection_probability.h"
#include "analysis/expected_count.h"
#include "cli/run_setup.h"
#include "core/measurement.h"
#include "core/settings_rules.h"
#include "core/simulation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

constexpr int Seeds = 100;
constexpr std::int32_t Particles = 20000;

std::int32_t DetectedWith(std::uint32_t seed, int threads, ExpectedCount* expected = nullptr)
{
    Options options;
    // A wide slit in a weak field: the energies that pass are not the
    // band's (7.475–156 keV), but 7.5–16.8 keV.
    options.energyKeV = 10.0;
    options.fieldMicrotesla = 500;
    options.slitStep = 10;
    options.seed = seed;
    Simulation sim;
    EXPECT_FALSE(PrepareSimulation(options, sim));
    MeasureHeadless(sim, Particles, threads);
    if (expected)
        *expected = ExpectCount(DetectionProbability(sim, CoarseGrid), Particles, 0);
    return sim.run.detectedCount;
}

// Seeds give repeated experiments: the counts of 100 seeds scatter about the
// expected count as independent binomial draws do. Either bound fails at the
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
    // χ² with 99 degrees of freedom lies in [61.9, 148.2] but once in a thousand.
    EXPECT_GT(squares / binomialVariance, 61.9);
    EXPECT_LT(squares / binomialVariance, 148.2);
}

TEST(SeededCounts, DoNotDependOnTheThreads)
{
    EXPECT_EQ(DetectedWith(7, 1), DetectedWith(7, 3));
    EXPECT_NE(DetectedWith(7, 1), DetectedWith(0, 1));
}

}
