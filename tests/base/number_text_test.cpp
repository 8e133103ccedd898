#include "base/number_text.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(NumberText, IntegerSyntax)
{
    EXPECT_EQ(ParseIntegerText("120"), 120);
    EXPECT_EQ(ParseIntegerText(" 0120"), 120);
    EXPECT_EQ(ParseIntegerText("  500"), 500);
    EXPECT_EQ(ParseIntegerText("-5"), -5);
    EXPECT_EQ(ParseIntegerText("+7"), 7);
    EXPECT_EQ(ParseIntegerText("-0"), 0);
    EXPECT_EQ(ParseIntegerText("$10"), 16);
    EXPECT_EQ(ParseIntegerText("$ff"), 255);
    EXPECT_EQ(ParseIntegerText("x1F"), 31);
    EXPECT_EQ(ParseIntegerText("X10"), 16);
    EXPECT_EQ(ParseIntegerText("0x10"), 16);
    EXPECT_EQ(ParseIntegerText("0X7FFFFFFF"), 2147483647);
    EXPECT_EQ(ParseIntegerText("2147483647"), 2147483647);
    EXPECT_EQ(ParseIntegerText("-2147483648"), -2147483647 - 1);
}

TEST(NumberText, IntegerRefusals)
{
    for (const char* text : {"", "   ", "12.5", "abc", "1,5", "2147483648", "-2147483649", "$80000000", "$",
                             "0x", "-$10", "10 ", "1e3", "++1", "- 1", "99999999999999999999"}) {
        EXPECT_FALSE(ParseIntegerText(text)) << "'" << text << "'";
    }
}

TEST(NumberText, DecimalSyntax)
{
    EXPECT_EQ(ParseDecimalText("1.5"), 1.5);
    EXPECT_EQ(ParseDecimalText("2e2"), 200.0);
    EXPECT_EQ(ParseDecimalText("0150.0"), 150.0);
    EXPECT_EQ(ParseDecimalText(" -1"), -1.0);
    for (const char* text : {"1,5", "", "1.5 ", "inf", "nan", "1e400", "$10", "0x10"})
        EXPECT_FALSE(ParseDecimalText(text)) << "'" << text << "'";
}

TEST(NumberText, GeneralText)
{
    EXPECT_EQ(GeneralNumberText(150.0), "150");
    EXPECT_EQ(GeneralNumberText(1.5), "1.5");
    EXPECT_EQ(GeneralNumberText(10.5), "10.5");
    EXPECT_EQ(GeneralNumberText(0.0), "0");
    EXPECT_EQ(GeneralNumberText(-0.25), "-0.25");
    EXPECT_EQ(GeneralNumberText(0.00001), "0.00001");
    EXPECT_EQ(GeneralNumberText(1.5e-6), "1.5E-6");
    EXPECT_EQ(GeneralNumberText(123456789012345.0), "123456789012345");
    EXPECT_EQ(GeneralNumberText(1e15), "1E15");
    EXPECT_EQ(GeneralNumberText(0.1 + 0.2), "0.3");
    EXPECT_EQ(GeneralNumberText(1000 * 1e-6 * 1e6), "1000");
}

TEST(NumberText, GeneralTextOfTheLargestDoublesReadsBack)
{
    const double largest = std::numeric_limits<double>::max();
    EXPECT_EQ(GeneralNumberText(largest), "1.79769313486231E308");
    EXPECT_EQ(GeneralNumberText(-largest), "-1.79769313486231E308");
    EXPECT_TRUE(ParseDecimalText(GeneralNumberText(largest)));
    EXPECT_EQ(GeneralNumberText(1.79769313486231e308), "1.79769313486231E308");
    EXPECT_EQ(GeneralNumberText(1e308), "1E308");
}

TEST(NumberText, FixedText)
{
    EXPECT_EQ(FixedText(0.0, 10, 5), "   0.00000");
    EXPECT_EQ(FixedText(50.0, 10, 3), "    50.000");
    EXPECT_EQ(FixedText(164352.479744, 10, 5), "164352.47974");
    EXPECT_EQ(FixedText(-1.5, 6, 1), "  -1.5");
}

TEST(NumberText, ExactTextReadsBack)
{
    EXPECT_EQ(ExactNumberText(46.741), "46.741");
    EXPECT_EQ(ExactNumberText(0.1 + 0.2), "0.30000000000000004");
}

}
