#include "command_line.h"

#include <gtest/gtest.h>

namespace {

std::variant<CommandLine, CommandLineError> Parse(std::vector<std::string> arguments)
{
    return ParseCommandLine(arguments);
}

std::string ErrorOf(std::vector<std::string> arguments)
{
    const auto parsed = Parse(std::move(arguments));
    const auto* error = std::get_if<CommandLineError>(&parsed);
    return error ? error->message : "";
}

TEST(CommandLine, MeasureOptions)
{
    const auto parsed = Parse({"measure", "--energy", "12.5", "--field", "$10", "--slit", "19", "--count", "7", "--json"});
    const auto* line = std::get_if<CommandLine>(&parsed);
    ASSERT_TRUE(line);
    EXPECT_EQ(line->command, Command::Measure);
    EXPECT_EQ(line->measure.energyKeV, 12.5);
    EXPECT_EQ(line->measure.fieldMicrotesla, 16);
    EXPECT_EQ(line->measure.slitStep, 19);
    EXPECT_EQ(line->measure.count, 7);
    EXPECT_TRUE(line->measure.json);
}

TEST(CommandLine, DefaultsAreThoseOfTheWindow)
{
    const auto parsed = Parse({"measure", "--field", "0", "--energy", "0"});
    const auto& line = std::get<CommandLine>(parsed);
    EXPECT_EQ(line.measure.slitStep, 0);
    EXPECT_EQ(line.measure.count, 1000);
    EXPECT_FALSE(line.measure.json);
}

TEST(CommandLine, EveryRefusalNamesItsArgument)
{
    EXPECT_NE(ErrorOf({"measure", "--energy", "-5", "--field", "1"}).find("--energy érték '-5'"), std::string::npos);
    EXPECT_NE(ErrorOf({"measure", "--energy", "1,5", "--field", "1"}).find("--energy"), std::string::npos);
    EXPECT_NE(ErrorOf({"measure", "--energy", "1e400", "--field", "1"}).find("--energy"), std::string::npos);
    EXPECT_NE(ErrorOf({"measure", "--energy", "5", "--field", "12.5"}).find("--field érték '12.5'"), std::string::npos);
    EXPECT_NE(ErrorOf({"measure", "--energy", "5", "--field", "-1"}).find("--field"), std::string::npos);
    EXPECT_NE(ErrorOf({"measure", "--energy", "5", "--field", "1", "--slit", "20"}).find("--slit"), std::string::npos);
    EXPECT_NE(ErrorOf({"measure", "--energy", "5", "--field", "1", "--slit", "-1"}).find("--slit"), std::string::npos);
    EXPECT_NE(ErrorOf({"measure", "--energy", "5", "--field", "1", "--count", "0"}).find("--count"), std::string::npos);
    EXPECT_NE(ErrorOf({"measure", "--energy", "5", "--field", "1", "--count", "2147483648"}).find("--count"),
              std::string::npos);
    EXPECT_NE(ErrorOf({"measure", "--energy", "5", "--field", "1", "--speed", "3"}).find("'--speed'"), std::string::npos);
    EXPECT_NE(ErrorOf({"measure", "--energy"}).find("--energy"), std::string::npos);
    EXPECT_NE(ErrorOf({"measure", "--field", "1"}).find("--energy"), std::string::npos);
    EXPECT_NE(ErrorOf({"measure", "--energy", "1"}).find("--field"), std::string::npos);
    EXPECT_NE(ErrorOf({"scan"}).find("'scan'"), std::string::npos);
    EXPECT_FALSE(ErrorOf({}).empty());
}

TEST(CommandLine, HelpAndVersion)
{
    EXPECT_EQ(std::get<CommandLine>(Parse({"--help"})).command, Command::Help);
    EXPECT_EQ(std::get<CommandLine>(Parse({"measure", "--help"})).command, Command::Help);
    EXPECT_EQ(std::get<CommandLine>(Parse({"--version"})).command, Command::Version);
    for (const char* option : {"--energy", "--field", "--slit", "--count", "--json", "--version"})
        EXPECT_NE(HelpText().find(option), std::string::npos) << option;
}

}
