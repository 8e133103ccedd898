#include "spectrum/acceptance_ceiling.h"
#include "spectrum/source_spectrum.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

namespace {

struct ShippedSource {
    std::string file;
    SourceSpectrum spectrum;
};

std::vector<ShippedSource> LoadShippedSources()
{
    std::vector<ShippedSource> sources;
    for (const auto& entry : std::filesystem::directory_iterator(std::string(VANTOR_DATA_DIR) + "/sources")) {
        if (entry.path().extension() != ".for")
            continue;
        std::ifstream file(entry.path());
        std::ostringstream text;
        text << file.rdbuf();
        ShippedSource source{entry.path().filename().string(), {}};
        const std::optional<SourceError> error = LoadSourceSpectrum(SplitLines(text.str()), source.spectrum);
        EXPECT_FALSE(error) << source.file << " line " << error->line << ": " << error->message;
        sources.push_back(std::move(source));
    }
    std::sort(sources.begin(), sources.end(),
              [](const ShippedSource& a, const ShippedSource& b) { return a.file < b.file; });
    return sources;
}

struct SplineSurvey {
    double lowest;
    double highest;
    double peakEnergy;
};

SplineSurvey Survey(const SourceSpectrum& spectrum)
{
    constexpr int Steps = 4000;
    const double last = spectrum.Knots.back().x;
    SplineSurvey survey{spectrum.Knots.front().y, spectrum.Knots.front().y, 0.0};
    for (int i = 0; i <= Steps; ++i) {
        const double energy = last * i / Steps;
        const SplineValue value = EvalSpline(spectrum.Segments, energy);
        EXPECT_TRUE(value.found) << energy;
        survey.lowest = std::min(survey.lowest, value.value);
        if (value.value > survey.highest) {
            survey.highest = value.value;
            survey.peakEnergy = energy;
        }
    }
    return survey;
}

TEST(ShippedSources, AllThreeLoad)
{
    std::vector<std::string> files;
    for (const ShippedSource& source : LoadShippedSources())
        files.push_back(source.file);
    EXPECT_EQ(files, (std::vector<std::string>{"c14.for", "p32.for", "sr90.for"}));
}

TEST(ShippedSources, NamesAndEndpoints)
{
    const std::map<std::string, std::pair<std::string, double>> expected{
        {"c14.for", {"Béta-forrás: radiokarbon (C-14)", 0.156}},
        {"p32.for", {"Béta-forrás: foszfor-32 (P-32)", 1.7106}},
        {"sr90.for", {"Béta-forrás: stroncium-90 (Sr-90)", 0.546}},
    };
    for (const ShippedSource& source : LoadShippedSources()) {
        SCOPED_TRACE(source.file);
        EXPECT_EQ(source.spectrum.Name, expected.at(source.file).first);
        EXPECT_EQ(source.spectrum.EndpointEnergy, expected.at(source.file).second);
    }
}

TEST(ShippedSources, TableRunsFromZeroToJustPastTheEndpoint)
{
    for (const ShippedSource& source : LoadShippedSources()) {
        SCOPED_TRACE(source.file);
        const TPoints& knots = source.spectrum.Knots;
        EXPECT_EQ(knots.front().x, 0.0);
        EXPECT_GE(knots.back().x, source.spectrum.EndpointEnergy);
        EXPECT_LT(knots[knots.size() - 2].x, source.spectrum.EndpointEnergy);
        EXPECT_EQ(knots.back().y, 0.0);
        EXPECT_GE(knots.size(), 17u);
        EXPECT_LE(knots.size(), 25u);
    }
}

TEST(ShippedSources, SplineStaysNonNegative)
{
    for (const ShippedSource& source : LoadShippedSources()) {
        SCOPED_TRACE(source.file);
        const SplineSurvey survey = Survey(source.spectrum);
        EXPECT_GE(survey.highest, 1000.0);
        EXPECT_LE(survey.highest, 1250.0);
        // The clamped end may swing a little below zero past the endpoint.
        EXPECT_GE(survey.lowest, -0.01 * survey.highest);
    }
}

TEST(ShippedSources, PeaksWhereTheShapePeaks)
{
    // The allowed shape with Z = 39 keeps Sr-90's maximum close to zero energy.
    const std::map<std::string, std::pair<double, double>> peakRange{
        {"c14.for", {0.01, 0.03}},
        {"p32.for", {0.5, 0.8}},
        {"sr90.for", {0.02, 0.09}},
    };
    for (const ShippedSource& source : LoadShippedSources()) {
        SCOPED_TRACE(source.file);
        const double peak = Survey(source.spectrum).peakEnergy;
        EXPECT_GE(peak, peakRange.at(source.file).first);
        EXPECT_LE(peak, peakRange.at(source.file).second);
    }
}

// The loader refuses a spline that rises above twice the largest row or
// clips off more than 1e-4 of its mass below zero under the endpoint; the
// shipped sources keep far from either (at most 0.32 % above, 2.6e-6 clipped).
TEST(ShippedSources, FollowTheirRows)
{
    for (const ShippedSource& source : LoadShippedSources()) {
        SCOPED_TRACE(source.file);
        const SourceSpectrum& spectrum = source.spectrum;
        double largestRow = 0.0;
        for (const Knot& knot : spectrum.Knots)
            largestRow = std::max(largestRow, knot.y);
        EXPECT_LT(SplineMaximum(spectrum), 1.004 * largestRow);
        const double drawn = AcceptedMass(spectrum, SplineMaximum(spectrum), 0.0, spectrum.SampleRange);
        EXPECT_LT(NegativeMass(spectrum, 0.0, spectrum.EndpointEnergy), 3e-6 * drawn);
    }
}

// Their grid maximum clips at most 2.2e-10 of what they draw (C-14 3.9e-12,
// Sr-90 6.3e-11, P-32 2.2e-10), so their sampler keeps it and every count
// stays what it was.
TEST(ShippedSources, SampleAgainstTheirGridMaximum)
{
    for (const ShippedSource& source : LoadShippedSources()) {
        SCOPED_TRACE(source.file);
        EXPECT_LT(ClippedShare(source.spectrum), 1e-9);
        EXPECT_EQ(SamplingCeiling(source.spectrum), GridMaximum(source.spectrum));
    }
}

}
