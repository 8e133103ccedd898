#include "identification/contestant_code.h"

#include <gtest/gtest.h>

namespace {

TEST(ContestantCode, BothRangesAreAcceptedUpToTheirEnds)
{
    for (const char* code : {"21", "30", "42", "71", "82"})
        EXPECT_TRUE(IsAcceptedCode(QString::fromLatin1(code))) << code;
}

TEST(ContestantCode, NumbersOutsideTheRangesAreRefused)
{
    for (const char* code : {"20", "43", "70", "83", "0", "-21", "-2147483648"})
        EXPECT_FALSE(IsAcceptedCode(QString::fromLatin1(code))) << code;
}

TEST(ContestantCode, BlanksAndControlCharactersAroundACodeAreDropped)
{
    EXPECT_TRUE(IsAcceptedCode(QStringLiteral("  21 ")));
    EXPECT_TRUE(IsAcceptedCode(QStringLiteral("\t82\r\n")));
    EXPECT_EQ(TrimmedCode(QStringLiteral("  21 ")), QStringLiteral("21"));
    EXPECT_EQ(TrimmedCode(QStringLiteral("\t\x01" "82\r\n")), QStringLiteral("82"));
    EXPECT_EQ(TrimmedCode(QStringLiteral(" 7 1 ")), QStringLiteral("7 1"));
    EXPECT_FALSE(IsAcceptedCode(QStringLiteral("7 1")));
}

TEST(ContestantCode, TheJuryCodeMustBeTypedExactly)
{
    EXPECT_TRUE(IsAcceptedCode(QStringLiteral("Ravel3081")));
    EXPECT_TRUE(IsJuryCode(QString(JuryCode)));
    EXPECT_FALSE(IsAcceptedCode(QStringLiteral(" Ravel3081")));
    EXPECT_FALSE(IsAcceptedCode(QStringLiteral("Ravel3081 ")));
    EXPECT_FALSE(IsAcceptedCode(QStringLiteral("ravel3081")));
    EXPECT_FALSE(IsAcceptedCode(QStringLiteral("RAVEL3081")));
    EXPECT_FALSE(IsJuryCode(QStringLiteral("Ravel308")));
}

TEST(ContestantCode, AnEmptyBoxIsRefused)
{
    EXPECT_FALSE(IsAcceptedCode(QString()));
    EXPECT_FALSE(IsAcceptedCode(QStringLiteral("   ")));
    EXPECT_FALSE(IsAcceptedCode(QStringLiteral("+")));
}

TEST(ContestantCode, SignAndLeadingZerosAreAcceptedAndKeptAsTyped)
{
    EXPECT_TRUE(IsAcceptedCode(QStringLiteral("+21")));
    EXPECT_TRUE(IsAcceptedCode(QStringLiteral("021")));
    EXPECT_TRUE(IsAcceptedCode(QStringLiteral("00000000000082")));
    EXPECT_EQ(TrimmedCode(QStringLiteral(" +21 ")), QStringLiteral("+21"));
    EXPECT_EQ(TrimmedCode(QStringLiteral(" 021 ")), QStringLiteral("021"));
}

TEST(ContestantCode, OnlyPlainDecimalNumbersCount)
{
    for (const char* code : {"$15", "0x15", "0X15", "1e1", "21.0", "2 1", "+-21"})
        EXPECT_FALSE(IsAcceptedCode(QString::fromLatin1(code))) << code;
    EXPECT_FALSE(IsAcceptedCode(QStringLiteral("\u0662\u0661")));
}

TEST(ContestantCode, NumbersBeyondThirtyTwoBitsAreNotNumbers)
{
    EXPECT_FALSE(IsAcceptedCode(QStringLiteral("2147483648")));
    EXPECT_FALSE(IsAcceptedCode(QStringLiteral("4294967317")));
}

TEST(ContestantCode, CaptionNamesTheCode)
{
    EXPECT_EQ(IdentifiedCaption(QStringLiteral("21")),
              QStringLiteral("Országos Kelvora FizikaVerseny 2024     Versenyző kódja: 21"));
    EXPECT_TRUE(IdentifiedCaption(QString(JuryCode)).endsWith(QStringLiteral("kódja: Ravel3081")));
}

}
