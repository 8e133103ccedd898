#include "base/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
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


// The bytes printf and std::to_chars write where formatting goes wrong most
// easily: exact halfway cases, the shortest form's switch between fixed and
// exponent, subnormals, whole numbers beyond 2^53, the extremes of a double,
// negative zero.
TEST(NumberText, TextsOfTrickyValues)
{
    struct Texts {
        double value;
        const char* general;
        const char* exact;
    };
    const Texts texts[] = {
        {0.1 + 0.2, "0.3", "0.30000000000000004"},
        {1e22, "1E22", "1e+22"},
        {1e23, "1E23", "1e+23"},
        {1e15, "1E15", "1e+15"},
        {1e16, "1E16", "1e+16"},
        {std::ldexp(1.0, 60), "1.15292150460685E18", "1152921504606846976"},
        {9007199254740993.0, "9.00719925474099E15", "9007199254740992"},
        {std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324", "5e-324"},
        {1e-310, "9.99999999999997E-311", "1e-310"},
        {std::numeric_limits<double>::min(), "2.2250738585072E-308", "2.2250738585072014e-308"},
        {std::numeric_limits<double>::max(), "1.79769313486231E308", "1.7976931348623157e+308"},
        {-0.0, "0", "-0"},
        {1000000000000005.0, "1E15", "1000000000000005"},
        {1000000000000015.0, "1.00000000000002E15", "1000000000000015"},
        {0.00001, "0.00001", "1e-05"},
        {0.0001, "0.0001", "1e-04"},
        {0.0001234, "0.0001234", "0.0001234"},
        {123400000.0, "123400000", "123400000"},
        {1234000000.0, "1234000000", "1.234e+09"},
        {10000.0, "10000", "10000"},
        {100000.0, "100000", "1e+05"},
        {1e-300, "1E-300", "1e-300"},
        {-2.5e-7, "-2.5E-7", "-2.5e-07"},
        {164352.479744, "164352.479744", "164352.479744"},
    };
    for (const Texts& t : texts) {
        EXPECT_EQ(GeneralNumberText(t.value), t.general) << t.exact;
        EXPECT_EQ(ExactNumberText(t.value), t.exact);
    }
    struct Fixed {
        double value;
        int width;
        int decimals;
        const char* text;
    };
    const Fixed fixed[] = {
        {0.125, 1, 2, "0.12"},
        {0.375, 1, 2, "0.38"},
        {2.5, 1, 0, "2"},
        {3.5, 1, 0, "4"},
        {-2.5, 1, 0, "-2"},
        {2.675, 1, 2, "2.67"},
        {1.005, 1, 2, "1.00"},
        {0.0625, 10, 3, "     0.062"},
        {7.1225, 10, 3, "     7.122"},
        {-0.0004, 6, 3, "-0.000"},
        {-0.0, 1, 2, "-0.00"},
        {1e23, 1, 0, "99999999999999991611392"},
        {std::ldexp(1.0, 60), 1, 1, "1152921504606846976.0"},
        {1e-310, 10, 5, "   0.00000"},
        {0.000005, 10, 5, "   0.00001"},
        {std::numeric_limits<double>::infinity(), 10, 3, "       inf"},
        {123456.5, 5, 0, "123456"},
    };
    for (const Fixed& f : fixed) {
        EXPECT_EQ(FixedText(f.value, f.width, f.decimals), f.text) << f.value << " " << f.decimals;
    }
}

}
