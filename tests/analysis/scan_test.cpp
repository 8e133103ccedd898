#include "analysis/scan_measurement.h"
#include "analysis/scan_unfolding.h"
#include "core/measurement.h"
#include "core/simulation.h"
#include "tests/support/band_at_50kev.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using Reason = UnfoldingRefusal::Reason;

Simulation FreshAt(int fieldMicrotesla, int slitStep = 5)
{
    Simulation sim;
    SetUpSimulation(sim, {0.0, fieldMicrotesla, slitStep});
    return sim;
}

// Each rule refuses its own scan and lets through the scan that differs
// from it in that one respect; the first rule that holds is the one named.
TEST(RefuseUnfolding, EachRuleRefusesItsScanAlone)
{
    const struct {
        ScanPlan plan;
        std::optional<Reason> reason;
    } cases[] = {
        {{{10, 20, 30, 40}, 1000, 10}, Reason::TooFewPoints},
        {{{10, 20, 30, 40}, 0, 10}, Reason::TooFewPoints},
        {{{10, 20, 30, 40, 50}, 0, 10}, Reason::NoMagneticField},
        {{{0, 10, 20, 30, 40}, 1000, 10}, Reason::PointWithoutBand},
        {{{10, 20, 0, 30, 0}, 1000, 10}, Reason::PointWithoutBand},
        {{{5000, 5010, 5020, 5030, 5040}, 1000, 10}, Reason::NoBandMeetsSource},
        {{{100, 5010, 5020, 5030, 5040}, 1000, 10}, std::nullopt},
        {{{10, 20, 30, 40, 50}, 1000, 10}, std::nullopt},
    };
    for (const auto& c : cases) {
        const Simulation sim = FreshAt(c.plan.fieldMicrotesla);
        const std::optional<UnfoldingRefusal> refusal = RefuseUnfolding(sim, c.plan);
        SCOPED_TRACE(c.plan.energiesKeV.front());
        ASSERT_EQ(refusal.has_value(), c.reason.has_value());
        if (!refusal)
            continue;
        EXPECT_EQ(refusal->reason, *c.reason);
        EXPECT_EQ(refusal->points, c.plan.energiesKeV.size());
        // Only the zero energy has no band: the search finds one above it.
        EXPECT_EQ(refusal->energyKeV, 0.0);
    }
}

// The survey searches the bands on a copy: the simulation it was given
// keeps its setting and its random sequence.
TEST(RefuseUnfolding, LeavesTheSimulationAsItWas)
{
    Simulation sim = FreshAt(1000);
    const Simulation before = sim;
    EXPECT_FALSE(RefuseUnfolding(sim, {{10, 20, 30, 40, 50}, 1000, 10}));
    EXPECT_EQ(sim.filter.tunedEnergy, before.filter.tunedEnergy);
    EXPECT_EQ(sim.band.PassLower, before.band.PassLower);
    EXPECT_EQ(sim.random.value, before.random.value);
}

// A scan of one point is a Start of a freshly started program: 677 of
// 10 000 at 50 keV, 1000 µT and the narrowest slit, in the band of the
// readouts; the progress ends on every particle flown.
TEST(MeasureScan, OnePointIsAFreshStart)
{
    Simulation sim = FreshAt(1000, 0);
    std::int64_t lastFlown = -1;
    const std::vector<ScanPoint> points
        = MeasureScan(sim, {{50}, 1000, 10000}, 1, [&](std::size_t, std::int64_t flown) { lastFlown = flown; });
    ASSERT_EQ(points.size(), 1u);
    EXPECT_EQ(points[0].launched, 10000);
    EXPECT_EQ(points[0].detected, 677);
    EXPECT_NEAR(*points[0].passWidthKeV, std::stod(BandAt50KeV.width), 5e-4);
    EXPECT_NEAR(*points[0].ratePerKeV, 677 / *points[0].passWidthKeV, 1e-9);
    EXPECT_EQ(lastFlown, 10000);
}

}
