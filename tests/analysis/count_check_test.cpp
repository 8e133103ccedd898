#include "analysis/count_check.h"

#include "core/simulation.h"
#include "spectrum/source_spectrum.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// 50 keV at 1000 µT through the narrowest slit, as the window tunes it: about
// 7.19 % of the built-in C-14's launched particles reach the detector.
class CountCheck : public testing::Test {
protected:
    void SetUp() override
    {
        SourceSpectrum builtin;
        ASSERT_FALSE(LoadSourceSpectrum(BuiltinSourceText(), builtin));
        SetUpStart({0.001, 123720.20302795917, 8.0108831699999992e-15, 0}, builtin, sim);
    }

    // The count that lies pulls standard deviations from the expected one.
    static std::int64_t CountAt(double pulls, std::int64_t launched)
    {
        const double share = 0.0719316;
        const double expected = share * double(launched);
        return std::llround(expected + pulls * std::sqrt(expected * (1 - share)));
    }

    Simulation sim;
};

TEST_F(CountCheck, ACountWithinFiveDeviationsIsPlausibleAndOneBeyondIsNot)
{
    EXPECT_TRUE(JudgeDetectedCount(sim, 100000, CountAt(4.5, 100000)).plausible);
    EXPECT_TRUE(JudgeDetectedCount(sim, 100000, CountAt(-4.5, 100000)).plausible);
    const CountJudgement far = JudgeDetectedCount(sim, 100000, CountAt(5.5, 100000));
    EXPECT_FALSE(far.plausible);
    EXPECT_NEAR(far.expected.detected, 7193.16, 0.5);
    ASSERT_TRUE(far.expected.pull.has_value());
    EXPECT_NEAR(*far.expected.pull, 5.5, 0.05);
    EXPECT_FALSE(JudgeDetectedCount(sim, 100000, CountAt(-5.5, 100000)).plausible);
}

// Ten launched with 0.72 expected: five detected lie 5.2 deviations out, but
// one honest picture in 1500 shows as many; ten in a row, never.
TEST_F(CountCheck, AFewExpectedCountsAreJudgedByTheirBinomialTail)
{
    const CountJudgement five = JudgeDetectedCount(sim, 10, 5);
    EXPECT_TRUE(five.plausible);
    EXPECT_NEAR(five.chance, 1.0 / 1500, 0.3 / 1500);
    EXPECT_FALSE(JudgeDetectedCount(sim, 10, 10).plausible);
}

// A Stop at each turn may leave the particle just launched on its way.
TEST(FewestDetectedWithoutField, LeavesOneParticlePerTurnInFlight)
{
    EXPECT_EQ(FewestDetectedWithoutField(0), 0);
    EXPECT_EQ(FewestDetectedWithoutField(999), 999);
    EXPECT_EQ(FewestDetectedWithoutField(1000), 999);
    EXPECT_EQ(FewestDetectedWithoutField(2500), 2498);
}

}
