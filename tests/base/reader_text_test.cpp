#include "base/reader_text.h"

#include <gtest/gtest.h>

namespace {

TEST(ReaderText, NumbersWithADecimalCommaAndPowersOfTen)
{
    const struct {
        double value;
        int significantDigits;
        const char* text;
    } cases[] = {
        {3.0979e-7, 2, "3,1 · 10⁻⁷"},
        {1.4e-9, 2, "1,4 · 10⁻⁹"},
        {3e-9, 2, "3 · 10⁻⁹"},
        {1.5e6, 0, "1,5 · 10⁶"},
        {2.5e15, 0, "2,5 · 10¹⁵"},
        {8.0109e-15, 0, "8,0109 · 10⁻¹⁵"},
        {-6.4e-12, 0, "-6,4 · 10⁻¹²"},
        {999999.0, 0, "999999"},
        {0.001, 0, "0,001"},
        {0.00099, 0, "9,9 · 10⁻⁴"},
        {0.012, 0, "0,012"},
        {-7.5, 0, "-7,5"},
        {1500.0, 0, "1500"},
        {0.1 + 0.2, 0, "0,30000000000000004"},
        {0.0, 0, "0"},
        {0.049999, 2, "0,05"},
        {9.96e-8, 2, "1 · 10⁻⁷"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReaderNumberText(c.value, c.significantDigits), c.text) << c.value;
}

TEST(ReaderText, ArticleFollowsTheSpokenNumber)
{
    const struct {
        std::uint64_t number;
        const char* article;
    } cases[] = {
        {0, "a"},      {1, "az"},     {2, "a"},      {4, "a"},      {5, "az"},       {10, "a"},
        {11, "a"},     {15, "a"},     {19, "a"},     {50, "az"},    {55, "az"},      {100, "a"},
        {150, "a"},    {199, "a"},    {500, "az"},   {1000, "az"},  {1500, "az"},    {2000, "a"},
        {10000, "a"},  {100000, "a"}, {1000000, "az"}, {5000000, "az"}, {12000000, "a"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReaderArticle(c.number), c.article) << c.number;
}

TEST(ReaderText, OptionArticleFollowsTheSoundOfItsName)
{
    EXPECT_EQ(OptionArticle("--unfold"), "az");
    EXPECT_EQ(OptionArticle("--energy"), "az");
    EXPECT_EQ(OptionArticle("--xlsx"), "az");
    EXPECT_EQ(OptionArticle("--field"), "a");
    EXPECT_EQ(OptionArticle("--seed"), "a");
    EXPECT_EQ(OptionArticle("-h"), "a");
}

TEST(ReaderText, FixedDecimals)
{
    EXPECT_EQ(ReaderFixedText(7193.24, 1), "7193,2");
    EXPECT_EQ(ReaderFixedText(-6.0, 1), "-6,0");
    EXPECT_EQ(ReaderFixedText(12.0, 0), "12");
}

TEST(ReaderText, ReadoutsKeepTheirDigitsWithADecimalComma)
{
    EXPECT_EQ(ReaderReadoutText(" 46.741 "), "46,741");
    EXPECT_EQ(ReaderReadoutText("1500000.00000"), "1500000,00000");
    EXPECT_EQ(ReaderReadoutText("-0.5"), "-0,5");
    EXPECT_EQ(ReaderReadoutText("120"), "120");
    EXPECT_EQ(ReaderReadoutText("2.2.0.3"), "2.2.0.3");
    EXPECT_EQ(ReaderReadoutText("Nem számolható"), "Nem számolható");
    EXPECT_EQ(ReaderReadoutText("1.5e3"), "1.5e3");
    EXPECT_EQ(ReaderReadoutText("."), ".");
}

TEST(ReaderText, DatesAsHungarianReadersWriteThem)
{
    EXPECT_EQ(ReaderDateTimeText("2024-03-15T10:42:07+01:00"), "2024. 03. 15. 10:42:07");
    EXPECT_EQ(ReaderDateTimeText("2024-03-15T10:42:07Z"), "2024. 03. 15. 10:42:07");
    EXPECT_EQ(ReaderDateTimeText("2024-03-15T10:42:07"), "2024. 03. 15. 10:42:07");
    for (const char* kept : {"", "tegnap", "2024-03-15", "2024-03-15 10:42:07", "2024-3-15T10:42:07+01:00",
                             "2024-03-15T10:42:0x"})
        EXPECT_EQ(ReaderDateTimeText(kept), kept);
}

}
