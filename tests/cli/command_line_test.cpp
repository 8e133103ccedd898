#include "cli/command_line.h"
#include "cli/scan/scan_energies.h"

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
    EXPECT_EQ(line->options.energyKeV, 12.5);
    EXPECT_EQ(line->options.fieldMicrotesla, 16);
    EXPECT_EQ(line->options.slitStep, 19);
    EXPECT_EQ(line->options.count, 7);
    EXPECT_TRUE(line->options.json);
}

TEST(CommandLine, DefaultsAreThoseOfTheWindow)
{
    const auto parsed = Parse({"measure", "--field", "0", "--energy", "0"});
    const auto& line = std::get<CommandLine>(parsed);
    EXPECT_EQ(line.options.slitStep, 0);
    EXPECT_EQ(line.options.count, 1000);
    EXPECT_FALSE(line.options.json);
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
    EXPECT_NE(ErrorOf({"frobnicate"}).find("'frobnicate'"), std::string::npos);
    EXPECT_NE(ErrorOf({"measure", "--energy", "5", "--field", "1", "--csv", "x.csv"}).find("'--csv'"),
              std::string::npos);
    EXPECT_NE(ErrorOf({"measure", "--energy", "5", "--field", "1", "--threads", "0"}).find("--threads"),
              std::string::npos);
    EXPECT_NE(ErrorOf({"measure", "--energy", "5", "--field", "1", "--source", ""}).find("--source"),
              std::string::npos);
    EXPECT_FALSE(ErrorOf({}).empty());
}

TEST(CommandLine, HelpAndVersion)
{
    EXPECT_EQ(std::get<CommandLine>(Parse({"--help"})).command, Command::Help);
    EXPECT_EQ(std::get<CommandLine>(Parse({"measure", "--help"})).command, Command::Help);
    EXPECT_EQ(std::get<CommandLine>(Parse({"--version"})).command, Command::Version);
    for (const char* option : {"--energy", "--field", "--slit", "--count", "--json", "--seed", "--version"})
        EXPECT_NE(HelpText("/usr/share/vantor/sources").find(option), std::string::npos) << option;
}

std::vector<std::string> Scan(std::vector<std::string> more)
{
    std::vector<std::string> arguments{"scan", "--field", "1000", "--from", "10", "--to", "150", "--step", "10"};
    arguments.insert(arguments.end(), more.begin(), more.end());
    return arguments;
}

TEST(CommandLine, ScanOptions)
{
    const auto parsed = Parse(Scan({"--slit", "5", "--count", "100", "--csv", "a.csv", "--plot", "a.png",
                                    "--threads", "2", "--source", "p32.for"}));
    const auto* line = std::get_if<CommandLine>(&parsed);
    ASSERT_TRUE(line);
    EXPECT_EQ(line->command, Command::Scan);
    EXPECT_EQ(line->options.slitStep, 5);
    EXPECT_EQ(line->options.threads, 2);
    EXPECT_EQ(line->options.csvPath, "a.csv");
    EXPECT_EQ(line->options.plotPath, "a.png");
    EXPECT_EQ(line->options.sourcePath, "p32.for");
    EXPECT_EQ(ScanEnergies(line->options).size(), 15u);
    EXPECT_EQ(ScanEnergies(line->options).back(), 150.0);
}

TEST(CommandLine, ScanEnergiesKeepTheLastPointDespiteRounding)
{
    Options options;
    options.fromKeV = 0.1;
    options.toKeV = 0.7;
    options.stepKeV = 0.1;
    EXPECT_EQ(ScanEnergies(options).size(), 7u);
    options.toKeV = 0.1;
    EXPECT_EQ(ScanEnergies(options).size(), 1u);
}

// The refusal counts the points as the scan does: an end just below the
// limit no longer lets one point more through.
TEST(CommandLine, AScanHasAtMostOneHundredThousandPoints)
{
    const auto most = Parse({"scan", "--field", "1", "--from", "0", "--to", "99999", "--step", "1"});
    ASSERT_TRUE(std::holds_alternative<CommandLine>(most));
    EXPECT_EQ(ScanEnergies(std::get<CommandLine>(most).options).size(), 100000u);
    EXPECT_NE(ErrorOf({"scan", "--field", "1", "--from", "0", "--to", "99999.9999999995", "--step", "1"})
                  .find("túl sok pont"),
              std::string::npos);
    EXPECT_NE(ErrorOf({"scan", "--field", "1", "--from", "0", "--to", "100000", "--step", "1"}).find("túl sok pont"),
              std::string::npos);
}

TEST(CommandLine, ScanRefusals)
{
    EXPECT_NE(ErrorOf({"scan", "--from", "10", "--to", "20", "--step", "1"}).find("hiányzik a --field kapcsoló"),
              std::string::npos);
    EXPECT_NE(ErrorOf({"scan", "--field", "1", "--to", "20", "--step", "1"}).find("--from"), std::string::npos);
    EXPECT_NE(ErrorOf({"scan", "--field", "1", "--from", "10", "--step", "1"}).find("--to"), std::string::npos);
    EXPECT_NE(ErrorOf({"scan", "--field", "1", "--from", "10", "--to", "20"}).find("--step"), std::string::npos);
    EXPECT_NE(ErrorOf(Scan({"--step", "0"})).find("--step érték '0'"), std::string::npos);
    EXPECT_NE(ErrorOf(Scan({"--step", "-1"})).find("--step"), std::string::npos);
    EXPECT_NE(ErrorOf(Scan({"--step", "1e-9"})).find("túl sok pont"), std::string::npos);
    EXPECT_NE(ErrorOf(Scan({"--from", "-1"})).find("--from"), std::string::npos);
    EXPECT_NE(ErrorOf(Scan({"--to", "5"})).find("--to"), std::string::npos);
    EXPECT_NE(ErrorOf(Scan({"--json"})).find("'--json'"), std::string::npos);
    EXPECT_NE(ErrorOf(Scan({"--energy", "5"})).find("'--energy'"), std::string::npos);
    EXPECT_NE(ErrorOf(Scan({"--threads", "257"})).find("--threads"), std::string::npos);
    EXPECT_NE(ErrorOf(Scan({"--csv"})).find("hiányzik az érték"), std::string::npos);
}

TEST(CommandLine, SeedIsAnyUnsigned32BitNumber)
{
    EXPECT_EQ(std::get<CommandLine>(Parse({"measure", "--energy", "5", "--field", "1"})).options.seed, 0u);
    EXPECT_EQ(std::get<CommandLine>(Parse(Scan({"--seed", "4294967295"}))).options.seed, 4294967295u);
    EXPECT_EQ(std::get<CommandLine>(Parse({"measure", "--energy", "5", "--field", "1", "--seed", "17"})).options.seed,
              17u);
    for (const char* refused : {"4294967296", "-1", "+1", " 1", "1x", "$10", "1.0", ""})
        EXPECT_NE(ErrorOf(Scan({"--seed", refused})).find("--seed érték"), std::string::npos) << refused;
}

TEST(CommandLine, EvidenceTakesPathsAndItsTwoOutputs)
{
    const auto parsed = Parse({"evidence", "terem", "--csv", "a.csv", "-x.jpg", "--html", "a.html", "21/01.jpg"});
    const auto* line = std::get_if<CommandLine>(&parsed);
    ASSERT_TRUE(line);
    EXPECT_EQ(line->command, Command::Evidence);
    EXPECT_EQ(line->options.paths, (std::vector<std::string>{"terem", "-x.jpg", "21/01.jpg"}));
    EXPECT_EQ(line->options.csvPath, "a.csv");
    EXPECT_EQ(line->options.htmlPath, "a.html");
    EXPECT_NE(ErrorOf({"evidence"}).find("hiányzik a kép vagy a mappa"), std::string::npos);
    EXPECT_NE(ErrorOf({"evidence", "--csv", "a.csv"}).find("hiányzik a kép vagy a mappa"), std::string::npos);
    EXPECT_NE(ErrorOf({"evidence", "terem", "--energy", "5"}).find("'--energy'"), std::string::npos);
    EXPECT_NE(ErrorOf({"evidence", "terem", "--html"}).find("hiányzik az érték"), std::string::npos);
    EXPECT_NE(ErrorOf({"scan", "--html", "a.html"}).find("'--html'"), std::string::npos);
}

}
