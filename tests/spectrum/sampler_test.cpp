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

TEST(DrawEnergy, WithoutMaximumTheFirstCoveredCandidateIsTaken)
{
    SourceSpectrum source = BuiltinSource();
    RandomState random;
    RandomState twin;
    RandomUniform(twin);
    const double expected = static_cast<double>(RandomUniform(twin) * source.SampleRange);
    EXPECT_EQ(DrawEnergy(source, random, source.SampleRange), expected);
}

TEST(DrawEnergy, GivesUpWithZero)
{
    SourceSpectrum negative;
    LoadSourceSpectrum({"Üres", "0.1", "0\t0", "0.1\t0"}, negative);
    negative.SpectrumMax = 1.0;   // a spectrum that is nowhere above zero rejects every candidate
    RandomState random;
    EXPECT_EQ(DrawEnergy(negative, random, negative.SampleRange), 0.0);

    // A range without any covered energy would otherwise redraw for ever.
    SourceSpectrum source = BuiltinSource();
    EXPECT_EQ(DrawEnergy(source, random, 0.0), 0.0);
    EXPECT_EQ(DrawEnergy(SourceSpectrum{}, random, 1.5), 0.0);
}

}
