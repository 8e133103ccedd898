#include "spectrum/acceptance_ceiling.h"
#include "spectrum/drawn_density.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// Two narrow peaks: the spline overshoots below zero beside them and above
// its grid maximum on top, so both cuts of the sampler matter. The loader
// refuses a table that rings so, but the density is the cut spline's for any
// spline; this one is built as the loader builds it.
SourceSpectrum TwoPeaks()
{
    SourceSpectrum source;
    source.Knots = {{0, 0}, {0.02, 0}, {0.025, 1000}, {0.03, 0}, {0.06, 0}, {0.0707, 700}, {0.08, 0}, {0.1, 0}};
    source.Segments = BuildSpline(source.Knots, 0.0, 0.0);
    source.SampleRange = 1.1 * source.Knots.back().x;
    source.SampleStep = source.SampleRange / 1500;
    return source;
}

// The sampler's acceptance integrated by a fine midpoint sum: an independent
// count of what the cuts and the candidate range leave.
double MidpointIntegral(const SourceSpectrum& source, double lower, double upper)
{
    constexpr int Steps = 2000000;
    const double ceiling = GridMaximum(source);
    lower = std::max(lower, SmallestCandidate);
    upper = std::min(upper, source.SampleRange);
    const double step = (upper - lower) / Steps;
    double sum = 0.0;
    for (int i = 0; i < Steps; ++i) {
        const SplineValue v = EvalSpline(source.Segments, lower + (i + 0.5) * step);
        if (v.found)
            sum += std::clamp(v.value, 0.0, ceiling);
    }
    return sum * step;
}

TEST(DrawnDensity, ProbabilitiesAreTheCutSplineIntegrated)
{
    const SourceSpectrum source = TwoPeaks();
    ASSERT_LT(EvalSpline(source.Segments, 0.0195).value, 0.0);
    // The spline's top, found on a grid far finer than the sampler's.
    double top = 0.024;
    for (double e = 0.024; e < 0.026; e += 1e-7) {
        if (EvalSpline(source.Segments, e).value > EvalSpline(source.Segments, top).value)
            top = e;
    }
    ASSERT_LT(GridMaximum(source), EvalSpline(source.Segments, top).value);
    const double total = MidpointIntegral(source, 0.0, source.SampleRange);
    struct Band {
        double lower;
        double upper;
    };
    for (const Band band : {Band{-1.0, 0.021}, Band{0.0221, 0.0262}, Band{0.05, 0.075}, Band{0.071, 1.0}}) {
        EXPECT_NEAR(DrawnProbability(source, band.lower, band.upper),
                    MidpointIntegral(source, band.lower, band.upper) / total, 1e-9)
            << band.lower << " " << band.upper;
    }
    EXPECT_NEAR(DrawnProbability(source, -1.0, 1.0), 1.0, 1e-12);
    EXPECT_EQ(DrawnProbability(source, 0.05, 0.04), 0.0);
    EXPECT_NEAR(DrawnDensity(source, 0.0707) * total, 700.0, 1e-6);
    EXPECT_NEAR(DrawnDensity(source, top) * total, GridMaximum(source), 1e-6);
    EXPECT_EQ(DrawnDensity(source, 0.0195), 0.0);
    EXPECT_EQ(DrawnDensity(source, 0.105), 0.0);
}

TEST(DrawnDensity, SpectrumNowherePositiveDrawsNothing)
{
    SourceSpectrum source;
    LoadSourceSpectrum(SplitLines("Üres\n0.1\n0\t0\n0.1\t0\n"), source);
    EXPECT_EQ(DrawnProbability(source, 0.0, 1.0), 0.0);
    EXPECT_EQ(DrawnDensity(source, 0.05), 0.0);
}

}
