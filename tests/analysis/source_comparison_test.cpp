#include "analysis/detection_probability.h"
#include "analysis/expected_count.h"
#include "analysis/source_comparison.h"
#include "core/measurement.h"
#include "core/pass_band.h"
#include "core/simulation.h"
#include "spectrum/drawn_density.h"
#include "spectrum/source_spectrum.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

SourceSpectrum CarbonFourteen()
{
    SourceSpectrum source;
    EXPECT_FALSE(LoadSourceSpectrum(BuiltinSourceText(), source));
    return source;
}

// Without a magnetic field every particle reaches the detector: no spread.
TEST(ExpectCount, WithoutAMagneticFieldEveryParticleArrives)
{
    Simulation sim;
    SetUpSimulation(sim, {50.0, 0, 5});
    EXPECT_EQ(DetectionProbability(sim, CoarseGrid), 1.0);
    const ExpectedCount all = ExpectCount(DetectionProbability(sim, CoarseGrid), 1000, 1000);
    EXPECT_EQ(all.detected, 1000.0);
    EXPECT_FALSE(all.pull);
}

// With the narrowest slit in a modest field, exactly the energies between the
// band's edges fly through: p is the drawn density's mass there, found by the
// flights themselves and by the density's own integral alike.
TEST(DetectionProbability, IsTheDrawnMassBetweenTheEdgesForANarrowSlit)
{
    Simulation sim;
    SetUpSimulation(sim, {50.0, 1000, 0});
    UpdatePassBand(sim);
    const double band = DrawnProbability(sim.source, sim.band.PassLower, sim.band.PassUpper);
    const double flown = DetectionProbability(sim, FineGrid);
    EXPECT_NEAR(flown, band, 3e-4 * band);
    EXPECT_NEAR(DetectionProbability(sim, CoarseGrid), flown, 1e-3 * flown);
    // As vantor-cli measure reports it for 10 000 particles.
    EXPECT_NEAR(ExpectCount(flown, 10000, 0).detected, 719.3, 0.05);
}

// Adjoining bands add up, and a count two binomial deviations high pulls 2.
TEST(ExpectCount, BandsAddAndThePullIsInDeviations)
{
    const SourceSpectrum source = CarbonFourteen();
    const double lower = ExpectCount(DrawnProbability(source, 0.02, 0.05), 10000, 0).detected;
    const double upper = ExpectCount(DrawnProbability(source, 0.05, 0.09), 10000, 0).detected;
    const double both = ExpectCount(DrawnProbability(source, 0.02, 0.09), 10000, 0).detected;
    EXPECT_NEAR(lower + upper, both, 1e-9 * both);

    const double p = both / 10000;
    const double deviation = std::sqrt(10000 * p * (1 - p));
    const auto detected = static_cast<std::int64_t>(std::llround(both + 2 * deviation));
    const ExpectedCount high = ExpectCount(both / 10000, 10000, detected);
    ASSERT_TRUE(high.pull);
    EXPECT_NEAR(*high.pull, (detected - both) / deviation, 1e-12);
    EXPECT_NEAR(*high.pull, 2.0, 0.01);
}

// The truth N·s(E) per keV holds the launched particles over the energies,
// and a point's expected count is its launched share.
TEST(CompareWithSource, TruthAndExpectationInKeV)
{
    std::vector<ScanPoint> points;
    for (int keV = 0; keV <= 200; ++keV) {
        ScanPoint& point = points.emplace_back();
        point.energyKeV = keV;
        point.launched = 1000;
    }
    points[50].detectionProbability = 0.0719316;
    points[50].detected = 72;
    CompareWithSource(points, CarbonFourteen());

    double launched = 0.0;
    for (const ScanPoint& point : points)
        launched += point.truePerKeV;   // a 1 keV grid
    EXPECT_NEAR(launched, 1000.0, 5.0);
    ASSERT_TRUE(points[50].expectedDetected);
    EXPECT_NEAR(*points[50].expectedDetected, 71.9316, 1e-9);
    EXPECT_TRUE(points[50].pull);
    EXPECT_FALSE(points[49].expectedDetected);
    EXPECT_FALSE(points[49].pull);
}

// Rates proportional to the source give back the factor; a point without a
// rate is scaled but does not pull the fit.
TEST(FitSource, RecoversTheScaleOfProportionalRates)
{
    std::vector<ScanPoint> points(3);
    points[0].sourceIntensity = 2.0;
    points[0].ratePerKeV = 6.0;
    points[1].sourceIntensity = 5.0;
    points[1].ratePerKeV = 15.0;
    points[2].sourceIntensity = 100.0;
    FitSource(points);
    EXPECT_DOUBLE_EQ(points[0].sourceScaled, 6.0);
    EXPECT_DOUBLE_EQ(points[1].sourceScaled, 15.0);
    EXPECT_DOUBLE_EQ(points[2].sourceScaled, 300.0);
}

TEST(SummarisePulls, MeanAndRmsOfThePointsWithAPull)
{
    std::vector<ScanPoint> points(4);
    points[0].pull = 1.0;
    points[1].pull = -1.0;
    points[3].pull = 3.0;
    const PullSummary summary = SummarisePulls(points);
    EXPECT_EQ(summary.count, 3);
    EXPECT_DOUBLE_EQ(summary.mean, 1.0);
    EXPECT_DOUBLE_EQ(summary.rms, std::sqrt(11.0 / 3.0));
}

}
