#include "cli/measure/measure_options.h"

#include <gtest/gtest.h>

namespace {

MeasureOptions OptionsOf(const std::vector<std::string>& arguments)
{
    const ParsedOptions<MeasureOptions> parsed = ParseMeasureOptions(arguments);
    EXPECT_TRUE(std::holds_alternative<MeasureOptions>(parsed));
    return std::holds_alternative<MeasureOptions>(parsed) ? std::get<MeasureOptions>(parsed) : MeasureOptions{};
}

TEST(MeasureOptions, AreReadIntoTheirFields)
{
    const MeasureOptions options = OptionsOf(
        {"measure", "--energy", "12.5", "--field", "$10", "--slit", "19", "--count", "7", "--json", "--seed", "17"});
    EXPECT_EQ(options.energyKeV, 12.5);
    EXPECT_EQ(options.fieldMicrotesla, 16);
    EXPECT_EQ(options.slitStep, 19);
    EXPECT_EQ(options.count, 7);
    EXPECT_TRUE(options.json);
    EXPECT_EQ(options.seed, 17u);
}

TEST(MeasureOptions, DefaultsAreThoseOfTheWindow)
{
    const MeasureOptions options = OptionsOf({"measure", "--field", "0", "--energy", "0"});
    EXPECT_EQ(options.slitStep, 0);
    EXPECT_EQ(options.count, 1000);
    EXPECT_FALSE(options.json);
    EXPECT_EQ(options.seed, 0u);
}

}
