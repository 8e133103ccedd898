#include "spectrum/random_uniform.h"
#include "spectrum/sampler.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

SourceSpectrum BuiltinSource()
{
    SourceSpectrum source;
    LoadSourceSpectrum(BuiltinSourceText(), source);
    return source;
}

TEST(RandomUniform, FirstNumbersOfEveryRun)
{
    RandomState random;
    EXPECT_EQ(RandomUniform(random), 1.0L / 4294967296.0L);
    EXPECT_NEAR(static_cast<double>(RandomUniform(random)), 0.0313799, 1e-7);
    EXPECT_NEAR(static_cast<double>(RandomUniform(random)), 0.8610485, 1e-7);
}

TEST(RandomUniform, StateWrapsModulo32Bits)
{
    RandomState random{0xFFFFFFFFu};
    RandomUniform(random);
    EXPECT_EQ(random.value, 0xFFFFFFFFu * 134775813u + 1u);
    EXPECT_LT(RandomUniform(random), 1.0L);
}

TEST(FindSpectrumMax, BuiltinMaximumLiesBetweenTheKnots)
{
    SourceSpectrum source = BuiltinSource();
    FindSpectrumMax(source);
    EXPECT_NEAR(source.SpectrumMax, 1203.60, 0.005);
    EXPECT_EQ(source.SpectrumMax, EvalSpline(source.Segments, 176 * source.SampleStep).value);

    // A falling spectrum has its maximum at the grid's first point, zero energy.
    SourceSpectrum falling;
    ASSERT_FALSE(LoadSourceSpectrum({"Eső", "1", "0\t2", "1\t1"}, falling));
    FindSpectrumMax(falling);
    EXPECT_EQ(falling.SpectrumMax, EvalSpline(falling.Segments, 0.0).value);
}

TEST(DrawEnergy, FirstTwoParticlesOfARun)
{
    SourceSpectrum source = BuiltinSource();
    FindSpectrumMax(source);
    RandomState random;
    EXPECT_NEAR(DrawEnergy(source, random, source.SampleRange), 0.0055229, 5e-8);
    EXPECT_NEAR(DrawEnergy(source, random, source.SampleRange), 0.035654, 5e-7);
}

TEST(DrawEnergy, EnergiesFollowTheSpectrum)
{
    SourceSpectrum source = BuiltinSource();
    FindSpectrumMax(source);
    RandomState random;
    constexpr int Draws = 200000;
    int bins[16] = {};
    for (int i = 0; i < Draws; ++i) {
        const double e = DrawEnergy(source, random, source.SampleRange);
        ASSERT_GE(e, 1e-4);
        ASSERT_LE(e, 0.16);
        ++bins[std::min(15, static_cast<int>(e / 0.01))];
    }
    // Each 10 keV bin holds its share of the spectrum's area, within a few sigma.
    double area[16];
    double total = 0;
    for (int b = 0; b < 16; ++b) {
        area[b] = 0;
        for (int k = 0; k < 100; ++k)
            area[b] += EvalSpline(source.Segments, (b + (k + 0.5) / 100) * 0.01).value;
        total += area[b];
    }
    for (int b = 0; b < 16; ++b) {
        const double expected = Draws * area[b] / total;
        EXPECT_NEAR(bins[b], expected, 5 * std::sqrt(expected) + 5) << "bin " << b;
    }
}

// A spectrum of 0 from 0 to 1 MeV, which covers every candidate of the
// range 1 MeV. The loader refuses such a table, so it is built by hand.
SourceSpectrum FlatZeroSource()
{
    SourceSpectrum source;
    source.Knots = {{0.0, 0.0}, {1.0, 0.0}};
    source.Segments = BuildSpline(source.Knots, 0.0, 0.0);
    return source;
}

TEST(DrawEnergy, WithoutMaximumTheFirstCoveredCandidateIsTaken)
{
    // The acceptance number is then 0, which a value of 0 passes. The state
    // is chosen so that the first candidate lies between 1e-5 and 1e-4 MeV,
    // too small to be taken.
    const SourceSpectrum source = FlatZeroSource();
    RandomState random{2847176031u};
    RandomState twin = random;
    ASSERT_NEAR(static_cast<double>(RandomUniform(twin)), 5e-5, 1e-9);
    const double expected = static_cast<double>(RandomUniform(twin));
    ASSERT_GE(expected, 1e-4);
    EXPECT_EQ(DrawEnergy(source, random, 1.0), expected);
}

TEST(DrawEnergy, GivesUpWithZero)
{
    SourceSpectrum zero = FlatZeroSource();
    zero.SpectrumMax = 1.0;   // a spectrum that is nowhere above zero rejects every candidate
    RandomState random;
    RandomState twin = random;
    EXPECT_EQ(DrawEnergy(zero, random, 1.0), 0.0);
    // It gives up after 10000 tests, each of which drew candidates until one
    // was at least 1e-4 MeV, then one acceptance number.
    for (int test = 0; test < 10000; ++test) {
        while (RandomUniform(twin) < 1e-4) {
        }
        RandomUniform(twin);
    }
    EXPECT_EQ(random.value, twin.value);

    // A range without any covered energy would otherwise redraw for ever.
    SourceSpectrum source = BuiltinSource();
    EXPECT_EQ(DrawEnergy(source, random, 0.0), 0.0);
    EXPECT_EQ(DrawEnergy(SourceSpectrum{}, random, 1.5), 0.0);
}

}
