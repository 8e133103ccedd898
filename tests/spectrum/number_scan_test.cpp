#include "number_scan.h"

#include <gtest/gtest.h>

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

TEST(NumberScan, TrailingBlanksOnlyWhenAskedFor)
{
    EXPECT_EQ(ScanNumber(" 0.156  ", true), 0.156);
    EXPECT_FALSE(ScanNumber("0.156 ", false));
}

}
