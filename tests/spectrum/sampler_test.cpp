#include "spectrum/acceptance_ceiling.h"
#include "spectrum/drawn_density.h"
#include "spectrum/random_uniform.h"
#include "spectrum/sampler.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

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
    // A source is refused below the rate at which giving up would take
    // MaterialClipping of the draws.
    EXPECT_NEAR(std::pow(1.0 - GivingUpRate, MaxTests) / MaterialClipping, 1.0, 0.01);

    // A range without any covered energy would otherwise redraw for ever.
    SourceSpectrum source = BuiltinSource();
    EXPECT_EQ(DrawEnergy(source, random, 0.0), 0.0);
    EXPECT_EQ(DrawEnergy(SourceSpectrum{}, random, 1.5), 0.0);
}

// A flat table of 100 with a peak of 1000 at 1.001 MeV, between two points
// of the sampler's grid (spaced 2.2 / 1500 MeV). The rows close in on it with
// halving spacings, so that the spline rings little beside it.
SourceSpectrum NarrowPeak()
{
    constexpr double Peak = 1.001;
    std::vector<double> energies{Peak};
    for (int i = 0; i <= 20; ++i) {
        if (std::fabs(i / 10.0 - Peak) > 0.12)
            energies.push_back(i / 10.0);
    }
    for (double step = 0.0007; step < 0.1; step *= 2) {
        energies.push_back(Peak - step);
        energies.push_back(Peak + step);
    }
    std::sort(energies.begin(), energies.end());
    std::string text = "Keskeny csúcs\n2\n";
    for (double e : energies)
        text += std::to_string(e) + "\t" + (e == Peak ? "1000" : e == 2.0 ? "0" : "100") + "\n";
    SourceSpectrum source;
    EXPECT_FALSE(LoadSourceSpectrum(SplitLines(text), source));
    return source;
}

// The grid steps over the peak and would clip a third of a percent of the
// drawn mass off it; the sampler measures against the spline's own top
// instead, and the energies drawn follow the expected-count density, which
// is the table's: the peak stands ten times as high as the flat part.
TEST(DrawEnergy, ANarrowPeakBetweenGridPointsIsDrawnWhole)
{
    SourceSpectrum source = NarrowPeak();
    ASSERT_LT(GridMaximum(source), 200.0);
    EXPECT_GT(ClippedShare(source), 10 * MaterialClipping);
    FindSpectrumMax(source);
    EXPECT_NEAR(source.SpectrumMax, 1000.0, 1e-6);
    const double flat = EvalSpline(source.Segments, 0.5).value;
    EXPECT_NEAR(DrawnDensity(source, 1.001) / DrawnDensity(source, 0.5), 1000.0 / flat, 1e-6);

    std::vector<double> edges{SmallestCandidate};
    for (int i = 1; i <= 9; ++i)
        edges.push_back(i / 10.0);
    for (double e = 0.998; e < 1.00425; e += 0.0005)
        edges.push_back(e);
    for (int i = 11; i <= 20; ++i)
        edges.push_back(i / 10.0);
    constexpr int Draws = 200000;
    std::vector<int> counts(edges.size() - 1, 0);
    RandomState random;
    for (int i = 0; i < Draws; ++i) {
        const double e = DrawEnergy(source, random, source.SampleRange);
        const auto bin = std::upper_bound(edges.begin(), edges.end(), e) - edges.begin() - 1;
        ASSERT_GE(bin, 0);
        ASSERT_LT(bin, static_cast<long>(counts.size()));
        ++counts[static_cast<std::size_t>(bin)];
    }
    double chiSquare = 0.0;
    for (std::size_t b = 0; b < counts.size(); ++b) {
        const double expected = Draws * DrawnProbability(source, edges[b], edges[b + 1]);
        chiSquare += (counts[b] - expected) * (counts[b] - expected) / expected;
    }
    // The 1e-3 point of χ² with k degrees of freedom (Wilson and Hilferty).
    const double k = static_cast<double>(counts.size()) - 1;
    const double spread = std::sqrt(2.0 / (9.0 * k));
    EXPECT_LT(chiSquare, k * std::pow(1.0 - 2.0 / (9.0 * k) + 3.0902 * spread, 3)) << counts.size();
}

}
