#include "cli/command_line.h"
#include "cli/scan/scan_energies.h"

#include <gtest/gtest.h>

namespace {

using Arguments = std::vector<std::string>;

std::string ErrorOf(const Arguments& arguments)
{
    const ParsedCommandLine parsed = ParseCommandLine(arguments);
    const auto* error = std::get_if<CommandLineError>(&parsed);
    return error ? error->message : "";
}

// The options of the command the arguments name; defaults when refused.
template <class Options>
Options OptionsOf(const Arguments& arguments)
{
    const ParsedCommandLine parsed = ParseCommandLine(arguments);
    const auto* options = std::get_if<Options>(&parsed);
    EXPECT_TRUE(options) << ErrorOf(arguments);
    return options ? *options : Options{};
}

Arguments Measure(Arguments more)
{
    Arguments arguments{"measure", "--energy", "5", "--field", "1"};
    arguments.insert(arguments.end(), more.begin(), more.end());
    return arguments;
}

Arguments Scan(Arguments more)
{
    Arguments arguments{"scan", "--field", "1000", "--from", "10", "--to", "150", "--step", "10"};
    arguments.insert(arguments.end(), more.begin(), more.end());
    return arguments;
}

TEST(CommandLine, MeasureOptions)
{
    const auto options = OptionsOf<MeasureOptions>(
        {"measure", "--energy", "12.5", "--field", "$10", "--slit", "19", "--count", "7", "--json", "--seed", "17"});
    EXPECT_EQ(options.energyKeV, 12.5);
    EXPECT_EQ(options.fieldMicrotesla, 16);
    EXPECT_EQ(options.slitStep, 19);
    EXPECT_EQ(options.count, 7);
    EXPECT_TRUE(options.json);
    EXPECT_EQ(options.seed, 17u);
}

TEST(CommandLine, DefaultsAreThoseOfTheWindow)
{
    const auto options = OptionsOf<MeasureOptions>({"measure", "--field", "0", "--energy", "0"});
    EXPECT_EQ(options.slitStep, 0);
    EXPECT_EQ(options.count, 1000);
    EXPECT_FALSE(options.json);
    EXPECT_EQ(options.seed, 0u);
}

TEST(CommandLine, EveryRefusalNamesItsArgument)
{
    const std::vector<std::pair<Arguments, std::string>> refusals{
        {{"measure", "--energy", "-5", "--field", "1"}, "--energy érték '-5'"},
        {{"measure", "--energy", "1,5", "--field", "1"}, "--energy"},
        {{"measure", "--energy", "1e400", "--field", "1"}, "--energy"},
        {{"measure", "--energy", "5", "--field", "12.5"}, "--field érték '12.5'"},
        {{"measure", "--energy", "5", "--field", "-1"}, "--field"},
        {Measure({"--slit", "20"}), "--slit"},
        {Measure({"--slit", "-1"}), "--slit"},
        {Measure({"--count", "0"}), "--count"},
        {Measure({"--count", "2147483648"}), "--count"},
        {Measure({"--speed", "3"}), "'--speed'"},
        {Measure({"--csv", "x.csv"}), "'--csv'"},
        {Measure({"--threads", "0"}), "--threads"},
        {Measure({"--source", ""}), "--source"},
        {{"measure", "--energy"}, "--energy"},
        {{"measure", "--field", "1"}, "--energy"},
        {{"measure", "--energy", "1"}, "--field"},
        {{"frobnicate"}, "'frobnicate'"},
        {{}, "hiányzik a parancs"},
        {{"scan", "--from", "10", "--to", "20", "--step", "1"}, "hiányzik a --field kapcsoló"},
        {{"scan", "--field", "1", "--to", "20", "--step", "1"}, "--from"},
        {{"scan", "--field", "1", "--from", "10", "--step", "1"}, "--to"},
        {{"scan", "--field", "1", "--from", "10", "--to", "20"}, "--step"},
        {Scan({"--step", "0"}), "--step érték '0'"},
        {Scan({"--step", "-1"}), "--step"},
        {Scan({"--step", "1e-9"}), "túl sok pont"},
        {Scan({"--from", "-1"}), "--from"},
        {Scan({"--to", "5"}), "--to"},
        {Scan({"--json"}), "'--json'"},
        {Scan({"--energy", "5"}), "'--energy'"},
        {Scan({"--threads", "257"}), "--threads"},
        {Scan({"--csv"}), "hiányzik az érték"},
        {Scan({"--html", "a.html"}), "'--html'"},
        {{"evidence"}, "hiányzik a kép vagy a mappa"},
        {{"evidence", "--csv", "a.csv"}, "hiányzik a kép vagy a mappa"},
        {{"evidence", "terem", "--energy", "5"}, "'--energy'"},
        {{"evidence", "terem", "--html"}, "hiányzik az érték"},
    };
    for (const auto& [arguments, named] : refusals)
        EXPECT_NE(ErrorOf(arguments).find(named), std::string::npos) << arguments.front() << " " << named;
}

TEST(CommandLine, HelpAndVersion)
{
    EXPECT_TRUE(std::holds_alternative<HelpRequest>(ParseCommandLine({"--help"})));
    EXPECT_TRUE(std::holds_alternative<HelpRequest>(ParseCommandLine(Measure({"--help"}))));
    EXPECT_TRUE(std::holds_alternative<VersionRequest>(ParseCommandLine({"--version"})));
    for (const char* option : {"--energy", "--field", "--slit", "--count", "--json", "--seed", "--version"})
        EXPECT_NE(HelpText("/usr/share/vantor/sources").find(option), std::string::npos) << option;
}

TEST(CommandLine, ScanOptions)
{
    const auto options = OptionsOf<ScanOptions>(Scan({"--slit", "5", "--count", "100", "--csv", "a.csv", "--plot",
                                                      "a.png", "--threads", "2", "--source", "p32.for", "--unfold"}));
    EXPECT_EQ(options.slitStep, 5);
    EXPECT_EQ(options.count, 100);
    EXPECT_EQ(options.threads, 2);
    EXPECT_EQ(options.csvPath, "a.csv");
    EXPECT_EQ(options.plotPath, "a.png");
    EXPECT_EQ(options.sourcePath, "p32.for");
    EXPECT_TRUE(options.unfold);
    EXPECT_EQ(ScanEnergies(options).size(), 15u);
    EXPECT_EQ(ScanEnergies(options).back(), 150.0);
}

TEST(CommandLine, ScanEnergiesKeepTheLastPointDespiteRounding)
{
    ScanOptions options;
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
    const auto most = OptionsOf<ScanOptions>({"scan", "--field", "1", "--from", "0", "--to", "99999", "--step", "1"});
    EXPECT_EQ(ScanEnergies(most).size(), 100000u);
    for (const char* beyond : {"99999.9999999995", "100000"})
        EXPECT_NE(ErrorOf({"scan", "--field", "1", "--from", "0", "--to", beyond, "--step", "1"}).find("túl sok pont"),
                  std::string::npos);
}

TEST(CommandLine, SeedIsAnyUnsigned32BitNumber)
{
    EXPECT_EQ(OptionsOf<ScanOptions>(Scan({"--seed", "4294967295"})).seed, 4294967295u);
    for (const char* refused : {"4294967296", "-1", "+1", " 1", "1x", "$10", "1.0", ""})
        EXPECT_NE(ErrorOf(Scan({"--seed", refused})).find("--seed érték"), std::string::npos) << refused;
}

TEST(CommandLine, EvidenceTakesPathsAndItsTwoOutputs)
{
    const auto options =
        OptionsOf<EvidenceOptions>({"evidence", "terem", "--csv", "a.csv", "-x.jpg", "--html", "a.html", "21/01.jpg"});
    EXPECT_EQ(options.paths, (std::vector<std::string>{"terem", "-x.jpg", "21/01.jpg"}));
    EXPECT_EQ(options.csvPath, "a.csv");
    EXPECT_EQ(options.htmlPath, "a.html");
}

}
