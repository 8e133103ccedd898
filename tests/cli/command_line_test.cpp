#include "cli/command_line.h"

#include <gtest/gtest.h>

namespace {

using Arguments = std::vector<std::string>;

std::string ErrorOf(const Arguments& arguments)
{
    const ParsedCommandLine parsed = ParseCommandLine(arguments);
    const auto* error = std::get_if<CommandLineError>(&parsed);
    return error ? error->message : "";
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

TEST(CommandLine, ASeedIsAnUnsigned32BitNumberInDigitsOnly)
{
    for (const char* refused : {"4294967296", "-1", "+1", " 1", "1x", "$10", "1.0", ""})
        EXPECT_NE(ErrorOf(Scan({"--seed", refused})).find("--seed érték"), std::string::npos) << refused;
}

}
