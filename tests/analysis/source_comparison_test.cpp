#include "analysis/expected_count.h"
#include "analysis/source_comparison.h"
#include "spectrum/source_spectrum.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

SourceSpectrum Loaded(const std::vector<std::string>& lines)
{
    SourceSpectrum source;
    EXPECT_FALSE(LoadSourceSpectrum(lines, source));
    return source;
}

// A flat spectrum to its endpoint at 160 keV, drawn from 0.1 keV on: a band
// holds its share of it, nothing beyond the endpoint; a count two binomial
// deviations high pulls about 2, and a certain band has no pull.
TEST(ExpectCount, TheBandsShareOfTheDrawnDensityAndThePull)
{
    const SourceSpectrum flat = Loaded({"Lapos", "0.16", "0\t1", "0.16\t1"});
    const double n = 1000 * (160.0 - 130.0) / 159.9;
    const double deviation = std::sqrt(n * (1 - n / 1000));
    const std::int64_t detected = std::llround(n + 2 * deviation);
    const ExpectedCount high = ExpectCount(flat, 0.13, 0.2, 1000, detected);
    EXPECT_NEAR(high.detected, n, 1e-6);
    ASSERT_TRUE(high.pull);
    EXPECT_NEAR(*high.pull, (detected - n) / deviation, 1e-6);
    EXPECT_FALSE(ExpectCount(flat, 0.0, 1.0, 1000, 1000).pull);
}

// The truth N·s(E) per keV holds the launched particles over the energies,
// and the band at 50 keV, 1000 µT holds C-14's known share of them.
TEST(CompareWithSource, TruthAndExpectationInKeV)
{
    std::vector<ScanPoint> points(201);
    for (std::size_t keV = 0; keV < points.size(); ++keV) {
        points[keV].energyKeV = static_cast<double>(keV);
        points[keV].launched = 1000;
    }
    points[50].responseLowerKeV = 46.741;
    points[50].responseUpperKeV = 53.863;
    CompareWithSource(points, Loaded(BuiltinSourceText()));
    double launched = 0.0;
    for (const ScanPoint& point : points)
        launched += point.truePerKeV;   // a 1 keV grid
    EXPECT_NEAR(launched, 1000.0, 5.0);
    EXPECT_NEAR(points[50].expectedDetected.value_or(0.0), 1000 * 0.0719443, 0.1);
    EXPECT_TRUE(points[50].pull);
    EXPECT_FALSE(points[49].expectedDetected || points[49].pull);
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
