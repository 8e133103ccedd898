#include "base/number_scan.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace {

TEST(NumberScan, AcceptsDecimalForms)
{
    EXPECT_EQ(ScanNumber("0.156", false), 0.156);
    EXPECT_EQ(ScanNumber("  -1.5e2", false), -150.0);
    EXPECT_EQ(ScanNumber("+2E+2", false), 200.0);
    EXPECT_EQ(ScanNumber(".5", false), 0.5);
    EXPECT_EQ(ScanNumber("5.", false), 5.0);
    EXPECT_EQ(ScanNumber("1e-400", false), 0.0);
}

TEST(NumberScan, RefusesWhatIsNotOneNumber)
{
    for (const char* text : {"", " ", "0,156", "1.2.3", "e5", ".", "1e", "1e+", "abc", "inf", "nan", "1e400",
                             "--1", "1 2", "0x10"}) {
        EXPECT_FALSE(ScanNumber(text, true)) << text;
    }
}

// Found by fuzz/fuzz_decimal_text: whether a number is too large or too small
// for a double follows from all its digits, not from its exponent's sign.
TEST(NumberScan, RangeOfTheNumberWrittenNotOfItsExponent)
{
    EXPECT_FALSE(ScanNumber("1" + std::string(400, '0') + "e-10", false));
    EXPECT_EQ(ScanNumber("1" + std::string(300, '0') + "e-10", false), 1e290);
    EXPECT_EQ(ScanNumber("0." + std::string(330, '0') + "2", false), 0.0);
    EXPECT_EQ(ScanNumber("0.0001e-321", false), 0.0);
    EXPECT_FALSE(ScanNumber("1e99999999999999999999999", false));
    EXPECT_EQ(ScanNumber("-1e-99999999999999999999999", false), 0.0);
    EXPECT_FALSE(ScanNumber(".976667699999999999999999E+99999999999999999999999999999999999999", false));
    constexpr const char* found =
        "123456789012344444444444444444444434444444444444444444444444444444444444444444444444444444444444"
        "444444444444444444344444444444444444444444444444444444444444444444444444444444444444444444444444"
        "444444444444444444444445644444444444444444444444444444444444444444444444444444444444444444444444"
        "444444445678944444444444444444444445644444444444444444444444444444444444444444444444444444444444"
        "4444444444444444444456789234567890.5e-3";
    EXPECT_FALSE(ScanNumber(found, false));
}

// Where rounding decides: the halfway points between two doubles, the edge
// of infinity and the subnormals.
TEST(NumberScan, RoundsCorrectlyAtTheEdges)
{
    EXPECT_EQ(ScanNumber("9007199254740993", false), 9007199254740992.0);
    EXPECT_EQ(ScanNumber("9007199254740993.000000000000000000001", false), 9007199254740994.0);
    EXPECT_EQ(ScanNumber("1.7976931348623158e308", false), std::numeric_limits<double>::max());
    EXPECT_FALSE(ScanNumber("1.7976931348623159e308", false));
    EXPECT_EQ(ScanNumber("2.4703282292062328e-324", false), std::numeric_limits<double>::denorm_min());
    EXPECT_EQ(ScanNumber("2.4703282292062327e-324", false), 0.0);
    EXPECT_EQ(ScanNumber("1e-310", false), 1e-310);
    EXPECT_EQ(ScanNumber("0.30000000000000004", false), 0.1 + 0.2);
}

TEST(NumberScan, TrailingBlanksOnlyWhenAskedFor)
{
    EXPECT_EQ(ScanNumber(" 0.156  ", true), 0.156);
    EXPECT_FALSE(ScanNumber("0.156 ", false));
}

}
