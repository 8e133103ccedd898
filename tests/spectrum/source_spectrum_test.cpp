#include "source_spectrum.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> TextWithRows(std::vector<std::string> rows)
{
    rows.insert(rows.begin(), {"Teszt", "0.156"});
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

TEST(SourceSpectrum, CommaInTheEndpointIsRefusedAndNothingIsLoaded)
{
    SourceSpectrum source;
    auto text = TextWithRows({"0\t1", "0.1\t2"});
    text[1] = "0,156";
    const auto error = LoadSourceSpectrum(text, source);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->message, "'0,156' is not a valid floating point value");
    EXPECT_EQ(error->line, 2);
    EXPECT_EQ(source.Name, "Teszt");
    EXPECT_TRUE(source.Knots.empty());
    EXPECT_EQ(source.SampleRange, 1.5);
}

TEST(SourceSpectrum, OneKnotPerRow)
{
    SourceSpectrum source;
    std::vector<std::string> rows;
    for (int i = 0; i < 17; ++i)
        rows.push_back(std::to_string(i * 0.01) + "\t" + std::to_string(100 - i));
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

TEST_P(SourceSpectrumRefuses, NamingTheLineAndKeepingTheSpectrum)
{
    SourceSpectrum source;
    ASSERT_FALSE(LoadSourceSpectrum(BuiltinSourceText(), source));
    const auto error = LoadSourceSpectrum(TextWithRows(GetParam().rows), source);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->line, GetParam().line);
    EXPECT_NE(error->message.find(GetParam().message), std::string::npos) << error->message;
    EXPECT_EQ(source.Knots.size(), 17u);
    EXPECT_EQ(source.Segments.size(), 16u);
}

INSTANTIATE_TEST_SUITE_P(
    Malformed, SourceSpectrumRefuses,
    testing::Values(RefusedText{{"0\t1", "0.01 2"}, 4, "nincs TAB"},
                    RefusedText{{"0\t1", "0,01\t2"}, 4, "az energia nem szám: '0,01'"},
                    RefusedText{{"0\t1", "0.01\t"}, 4, "az intenzitás nem szám: ''"},
                    RefusedText{{"0\t1", "0.01\t2\t3"}, 4, "az intenzitás nem szám"},
                    RefusedText{{"0\t1", "0.01\t-2"}, 4, "az intenzitás negatív"},
                    RefusedText{{"0\t1", "0\t2"}, 4, "nem növekvő"},
                    RefusedText{{"0\t1", "0.02\t2", "0.01\t3"}, 5, "nem növekvő"},
                    RefusedText{{"0\t1"}, 4, "legalább két táblázatsor"},
                    RefusedText{{}, 3, "legalább két táblázatsor"}));

TEST(SourceSpectrum, EmptyTextIsRefused)
{
    SourceSpectrum source;
    const auto error = LoadSourceSpectrum({}, source);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->line, 1);
}

TEST(SourceSpectrum, SplitLinesDropsCarriageReturns)
{
    EXPECT_EQ(SplitLines("a\r\nb\nc"), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(SplitLines("a\n"), (std::vector<std::string>{"a"}));
}

}
