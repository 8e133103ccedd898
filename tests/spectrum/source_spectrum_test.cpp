#include "spectrum/source_spectrum.h"

#include "tests/support/same_spectrum.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <ostream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> TextWithRows(std::vector<std::string> rows)
{
    rows.insert(rows.begin(), {"Teszt", "0.25"});
    return rows;
}

TEST(SourceSpectrum, StartValues)
{
    const SourceSpectrum source;
    EXPECT_TRUE(source.Knots.empty());
    EXPECT_EQ(source.SampleRange, 1.5);
    EXPECT_EQ(source.SampleStep, 0.001);
    EXPECT_EQ(source.SpectrumMax, 0.0);
}

TEST(SourceSpectrum, BuiltinText)
{
    SourceSpectrum source;
    EXPECT_FALSE(LoadSourceSpectrum(BuiltinSourceText(), source));
    EXPECT_EQ(source.Name, "Béta-forrás: radiokarbon (C-14)");
    EXPECT_EQ(source.EndpointEnergy, 0.156);
    ASSERT_EQ(source.Knots.size(), 17u);
    EXPECT_EQ(source.Knots.front().x, 0.0);
    EXPECT_EQ(source.Knots.front().y, 1039.48);
    EXPECT_EQ(source.Knots.back().x, 0.16);
    EXPECT_EQ(source.Knots.back().y, 0.0);
    EXPECT_EQ(source.Segments.size(), 16u);
    EXPECT_EQ(source.SampleRange, 1.1 * 0.16);
    EXPECT_EQ(source.SampleStep, 1.1 * 0.16 / 1500);
    // The start slope is the secant of the first interval.
    EXPECT_NEAR(static_cast<double>(source.Segments[0].c), (1158.7 - 1039.48) / 0.01, 0.5);
}

TEST(SourceSpectrum, FieldsAreTrimmedButTheNameIsNot)
{
    SourceSpectrum source;
    auto text = TextWithRows({" 0.0 \t 1.0 ", "  0.01\t1158.7  ", "0.02\t3"});
    text[0] = "  Forrás  ";
    text[1] = "  0.156  ";
    ASSERT_FALSE(LoadSourceSpectrum(text, source));
    EXPECT_EQ(source.Name, "  Forrás  ");
    EXPECT_EQ(source.EndpointEnergy, 0.156);
    EXPECT_EQ(source.Knots[1].x, 0.01);
    EXPECT_EQ(source.Knots[1].y, 1158.7);
}

TEST(SourceSpectrum, AnEndpointThatIsNoPositiveNumberIsRefusedAndNothingIsLoaded)
{
    const std::vector<std::pair<std::string, std::string>> endpoints{
        {"0,156", "a határenergia nem szám (MeV, tizedesponttal): '0,156'"},
        {"-1", "a határenergia nem pozitív: '-1'"},
        {" 0 ", "a határenergia nem pozitív: ' 0 '"},
        {"5.1", "a határenergia túl nagy (legfeljebb 5 MeV): '5.1'"},
        // The table gives electrons up to 0.1 MeV.
        {"0.09", "a határenergia kisebb, mint a 4. sor energiája, ahol az intenzitás még nem nulla"},
    };
    for (const auto& [endpoint, message] : endpoints) {
        SourceSpectrum source;
        auto text = TextWithRows({"0\t1", "0.1\t2", "0.2\t0"});
        text[1] = endpoint;
        const auto error = LoadSourceSpectrum(text, source);
        ASSERT_TRUE(error) << endpoint;
        EXPECT_EQ(error->line, 2);
        EXPECT_EQ(error->message, message);
        ExpectSameSpectrum(source, SourceSpectrum{});
    }
}

TEST(SourceSpectrum, OneKnotPerRow)
{
    SourceSpectrum source;
    std::vector<std::string> rows;
    for (int i = 0; i < 17; ++i)
        rows.push_back(std::to_string(i * 0.01) + "\t" + std::to_string(100 - i));
    // Blank lines at the end, as editors leave them, are no rows.
    rows.insert(rows.end(), {"", " \t", ""});
    ASSERT_FALSE(LoadSourceSpectrum(TextWithRows(rows), source));
    EXPECT_EQ(source.Knots.size(), 17u);
    EXPECT_EQ(source.Segments.size(), 16u);
}

struct RefusedText {
    std::vector<std::string> rows;
    int line;
    std::string message;
};

void PrintTo(const RefusedText& text, std::ostream* out)
{
    *out << "line " << text.line << ": " << text.message;
}

class SourceSpectrumRefuses : public testing::TestWithParam<RefusedText> {};

// The spectrum in use, its maximum found, is what a refused text must leave to the last bit.
TEST_P(SourceSpectrumRefuses, NamingTheLineAndKeepingTheSpectrum)
{
    SourceSpectrum source;
    ASSERT_FALSE(LoadSourceSpectrum(BuiltinSourceText(), source));
    source.SpectrumMax = 1203.5;
    const SourceSpectrum before = source;
    const auto error = LoadSourceSpectrum(TextWithRows(GetParam().rows), source);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->line, GetParam().line);
    EXPECT_NE(error->message.find(GetParam().message), std::string::npos) << error->message;
    ExpectSameSpectrum(source, before);
}

INSTANTIATE_TEST_SUITE_P(
    Malformed, SourceSpectrumRefuses,
    testing::Values(RefusedText{{"0\t1", "0.01 2"}, 4, "nincs TAB"},
                    RefusedText{{"0\t1", "0,01\t2"}, 4, "az energia nem szám: '0,01' (tizedesponttal kell írni)"},
                    RefusedText{{"0\t1", "0.01\t"}, 4, "az intenzitás nem szám: ''"},
                    RefusedText{{"0\t1", "0.01\t2\t3"}, 4, "az intenzitás nem szám"},
                    RefusedText{{"0\t1", "0.01\t-2"}, 4, "az intenzitás negatív"},
                    RefusedText{{"-0.01\t1", "0.01\t2"}, 3, "az energia negatív: '-0.01'"},
                    RefusedText{{"0\t1e308", "1e-300\t-0"}, 3, "véges spline"},
                    RefusedText{{"0\t1", "0\t2"}, 4, "nem nagyobb, mint az előző soré"},
                    RefusedText{{"0\t1", "0.02\t2", "0.01\t3"}, 5, "nem nagyobb, mint az előző soré"},
                    RefusedText{{"0\t1"}, 4, "legalább két táblázatsor"},
                    RefusedText{{}, 3, "legalább két táblázatsor"},
                    RefusedText{{"0\t1", "", "0.02\t3"}, 4, "nincs TAB"},
                    RefusedText{{"0\t0", "0.02\t0"}, 3, "a táblázat minden intenzitása nulla"},
                    RefusedText{{"0\t1", "5.000001\t0"}, 4, "az energia túl nagy (legfeljebb 5 MeV): '5.000001'"},
                    RefusedText{{"0\t1", "1\x01" "2\t3"}, 4, "az energia nem szám: '1?2'"},
                    // NUL bytes after a number are no blanks: the file is no text.
                    RefusedText{{"0\t1", std::string("0.01\t2\0\0", 8)}, 4,
                                "az intenzitás nem szám: '2?" "?' (NUL bájt van benne: nem szöveges fájl?)"},
                    // A long field is cut short at a character's start, not inside the 'é'.
                    RefusedText{{"0\t1", std::string(39, 'x') + "éyyy\t3"}, 4,
                                "az energia nem szám: '" + std::string(39, 'x') + "…'"}));

TEST(SourceSpectrum, EmptyTextIsRefused)
{
    SourceSpectrum source;
    const auto error = LoadSourceSpectrum({}, source);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->line, 1);
}

// Inputs found by fuzz/fuzz_source_text.
TEST(SourceSpectrum, AnEnergyWhoseCubeOverflowsIsRefused)
{
    const std::string energy = std::string(19, '9') + std::string(123, '6') + std::string(10, '9') + "2";
    SourceSpectrum source;
    const auto error = LoadSourceSpectrum(SplitLines("T\x94" "eszt\n2\n2E0\t1\n" + energy + "\t0\n"), source);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->line, 4);
    EXPECT_NE(error->message.find("az energia túl nagy (legfeljebb 5 MeV)"), std::string::npos) << error->message;
    EXPECT_TRUE(source.Segments.empty());
    EXPECT_FALSE(LoadSourceSpectrum(TextWithRows({"0\t1", "5\t0"}), source));
}

TEST(SourceSpectrum, ATableWithoutAPositiveEnergyIsRefused)
{
    using namespace std::string_literals;
    SourceSpectrum source;
    const auto error = LoadSourceSpectrum(SplitLines("\n1.1\n\x02\x02\x02-2\t0\n\x01\x02" "0\t0\n"s), source);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->line, 3);
    EXPECT_EQ(error->message, "az energia negatív: '-2'");
    EXPECT_EQ(source.SampleRange, 1.5);
}

std::vector<std::string> Rows(int count)
{
    std::vector<std::string> rows;
    for (int i = 0; i < count; ++i)
        rows.push_back(std::to_string(i * 0.001) + "\t" + std::to_string(count - 1 - i));
    return rows;
}

// The spline's dense system grows with the cube of the rows: a table of 700
// rows took minutes to load.
TEST(SourceSpectrum, AtMostTwoHundredRows)
{
    SourceSpectrum source;
    EXPECT_FALSE(LoadSourceSpectrum(TextWithRows(Rows(200)), source));
    const SourceSpectrum before = source;
    const auto error = LoadSourceSpectrum(TextWithRows(Rows(201)), source);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->line, 203);
    EXPECT_EQ(error->message, "legfeljebb 200 táblázatsor lehet");
    ExpectSameSpectrum(source, before);
}

// The dense system passes through the first row of every piece of this
// 20-row table but misses the second row of some: the spectrum must still
// pass through all its rows.
TEST(SourceSpectrum, ASplineThatMissesItsRowsIsFoundAgain)
{
    std::vector<std::string> rows;
    for (int i = 0; i < 20; ++i) {
        const double x = i * 0.005;
        char row[64];
        std::snprintf(row, sizeof row, "%.6f\t%.3f", x, 1000 * x * (0.2 - x) * (0.2 - x) / 0.0012 + 1);
        rows.push_back(row);
    }
    SourceSpectrum source;
    ASSERT_FALSE(LoadSourceSpectrum(TextWithRows(rows), source));
    for (std::size_t i = 0; i < source.Segments.size(); ++i) {
        EXPECT_NEAR(static_cast<double>(SegmentValue(source.Segments[i], source.Knots[i].x)), source.Knots[i].y, 1e-6);
        EXPECT_NEAR(static_cast<double>(SegmentValue(source.Segments[i], source.Knots[i + 1].x)), source.Knots[i + 1].y,
                    1e-6)
            << "piece " << i;
    }
}

// A smooth spectrum in 200 unevenly spaced rows: the dense system misses its rows by
// percents from about 22 rows on, and the stable way takes over.
TEST(SourceSpectrum, ALongSmoothTableFollowsItsSpectrum)
{
    const auto spectrum = [](double x) { return 1000 * x * (0.2 - x) * (0.2 - x) / 0.0012; };
    std::vector<std::string> rows;
    // Uneven rows, ending where the spectrum is flat as the clamped end is.
    for (int i = 0; i < 200; ++i) {
        const double x = 0.2 * (i / 199.0) * (i / 199.0);
        char row[64];
        std::snprintf(row, sizeof row, "%.17g\t%.17g", x, spectrum(x));
        rows.push_back(row);
    }
    SourceSpectrum source;
    const auto error = LoadSourceSpectrum(TextWithRows(rows), source);
    ASSERT_FALSE(error) << error->message;
    ASSERT_EQ(source.Segments.size(), 199u);
    // Cubic pieces follow a cubic; only the secant start slope bends them, a little.
    for (double x = 0.0005; x < 0.2; x += 0.001)
        EXPECT_NEAR(EvalSpline(source.Segments, x).value, spectrum(x), 0.01) << "at " << x;
    // Neighbouring pieces meet with one slope and one curvature.
    for (std::size_t i = 1; i < source.Segments.size(); ++i) {
        const SplineSegment& left = source.Segments[i - 1];
        const SplineSegment& right = source.Segments[i];
        const long double x = right.lower;
        EXPECT_NEAR(static_cast<double>((3 * left.a * x + 2 * left.b) * x + left.c),
                    static_cast<double>((3 * right.a * x + 2 * right.b) * x + right.c), 1e-6)
            << "slope at " << static_cast<double>(x);
        EXPECT_NEAR(static_cast<double>(6 * left.a * x + 2 * left.b), static_cast<double>(6 * right.a * x + 2 * right.b),
                    1e-4)
            << "curvature at " << static_cast<double>(x);
    }
}

// A spike 0.2 keV wide in a range of 5.5 MeV: a candidate lands on it once in
// tens of thousands, so most particles would give up after 10000 tests and
// start with no energy. The spline is negative everywhere else and no point
// of the grid is on the spike.
TEST(SourceSpectrum, ASpikeTheSamplerWouldMissIsRefused)
{
    SourceSpectrum source;
    const auto error = LoadSourceSpectrum({"Tüske", "5", "0\t0", "2.4999\t0", "2.5\t1000", "2.5001\t0", "5\t0"},
                                          source);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->line, 5);
    EXPECT_NE(error->message.find("a spektrum csúcsa túl keskeny"), std::string::npos) << error->message;
    EXPECT_TRUE(source.Knots.empty());
}

// A source of a Gaussian peak at centreKeV of width sigmaKeV, a row every
// stepKeV up to its endpoint of 156 keV.
std::vector<std::string> GaussianSource(double centreKeV, double sigmaKeV, int stepKeV)
{
    std::vector<std::string> lines{"Gauss-csúcs", "0.156"};
    for (int e = 0; e < 156; e += stepKeV) {
        char row[64];
        std::snprintf(row, sizeof row, "%.6f\t%.6g", e / 1000.0,
                      1000 * std::exp(-0.5 * std::pow((e - centreKeV) / sigmaKeV, 2)));
        lines.push_back(row);
    }
    lines.push_back("0.156\t0");
    return lines;
}

struct RingingCase {
    std::string name;
    std::vector<std::string> lines;
    int line;              // 0 when the table is taken
    std::string message;
};

void PrintTo(const RingingCase& ringing, std::ostream* out)
{
    *out << ringing.name;
}

class SplineBetweenRows : public testing::TestWithParam<RingingCase> {};

// What is drawn follows the spline, so a spline that rings between the rows
// is refused: the energies would not be what the table says.
TEST_P(SplineBetweenRows, FollowsTheTableOrIsRefused)
{
    SourceSpectrum source;
    const auto error = LoadSourceSpectrum(GetParam().lines, source);
    if (GetParam().line == 0) {
        EXPECT_FALSE(error) << error->message;
        return;
    }
    ASSERT_TRUE(error);
    EXPECT_EQ(error->line, GetParam().line);
    EXPECT_NE(error->message.find(GetParam().message), std::string::npos) << error->message;
}

INSTANTIATE_TEST_SUITE_P(
    Ringing, SplineBetweenRows,
    testing::Values(
        // A spike of 0.2 keV between rows 10 keV apart: the spline rises to
        // about 100 000 at 27 keV, in the first piece, and swings below zero
        // from 42 to 70 keV.
        RingingCase{"spike", {"Tüske", "0.156", "0\t1", "0.04\t1", "0.0499\t1", "0.05\t3000", "0.0501\t1", "0.1\t1",
                              "0.156\t0"},
                    3, "a legnagyobb intenzitás kétszeresénél is magasabbra lendül"},
        // A spike of 6 % on a flat 1000 still rises to 2.9 times the top row.
        RingingCase{"smallSpike", {"Kis tüske", "0.156", "0\t1000", "0.04\t1000", "0.0499\t1000", "0.05\t1060",
                                   "0.0501\t1000", "0.1\t1000", "0.156\t0"},
                    3, "a legnagyobb intenzitás kétszeresénél is magasabbra lendül"},
        // A peak of σ = 5 keV with rows 6 keV apart rings below zero in its
        // tails, clipping off 4.4e-4 of the drawn mass; with rows σ apart
        // 4.5e-5, and its top between two rows rises 11 % above them.
        RingingCase{"sparse", GaussianSource(53, 5, 6), 7, "nulla alá lendül"},
        RingingCase{"dense", GaussianSource(52.5, 5, 5), 0, ""},
        // Past the endpoint the source gives no electrons: a swing below zero
        // there, 1.3 % of the mass, clips off what the table does not give.
        RingingCase{"pastTheEndpoint", {"Vég", "0.15", "0\t1000", "0.1\t600", "0.15\t0", "0.2\t0"}, 0, ""}),
    [](const testing::TestParamInfo<RingingCase>& info) { return info.param.name; });

TEST(SourceSpectrum, SplitLinesDropsCarriageReturns)
{
    EXPECT_EQ(SplitLines("a\r\nb\nc"), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(SplitLines("a\n"), (std::vector<std::string>{"a"}));
}

}
