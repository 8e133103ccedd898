#include "cli/command_line.h"
#include "tests/support/manual_page.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>

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
        {{"measure", "--energy", "-5", "--field", "1"}, "--energy érték „-5”"},
        {{"measure", "--energy", "1,5", "--field", "1"}, "--energy"},
        {{"measure", "--energy", "1e400", "--field", "1"}, "--energy"},
        {{"measure", "--energy", "5", "--field", "12.5"}, "--field érték „12.5”"},
        {{"measure", "--energy", "5", "--field", "-1"}, "--field"},
        {Measure({"--slit", "20"}), "--slit"},
        {Measure({"--slit", "-1"}), "--slit"},
        {Measure({"--count", "0"}), "--count"},
        {Measure({"--count", "2147483648"}), "--count"},
        {Measure({"--speed", "3"}), "„--speed”"},
        {Measure({"--csv", "x.csv"}), "„--csv”"},
        {Measure({"extra"}), "váratlan argumentum: „extra”"},
        {Measure({"--threads", "0"}), "--threads"},
        {Measure({"--source", ""}), "--source"},
        {{"measure", "--energy"}, "--energy"},
        {{"measure", "--field", "1"}, "--energy"},
        {{"measure", "--energy", "1"}, "--field"},
        {{"frobnicate"}, "„frobnicate”"},
        {{}, "hiányzik a parancs"},
        {{"scan", "--from", "10", "--to", "20", "--step", "1"}, "hiányzik a --field kapcsoló"},
        {{"scan", "--field", "1", "--to", "20", "--step", "1"}, "--from"},
        {{"scan", "--field", "1", "--from", "10", "--step", "1"}, "--to"},
        {{"scan", "--field", "1", "--from", "10", "--to", "20"}, "--step"},
        {Scan({"--step", "0"}), "--step érték „0”"},
        {Scan({"--step", "-1"}), "--step"},
        {Scan({"--step", "1e-9"}), "túl sok pont"},
        {Scan({"--from", "-1"}), "--from"},
        {Scan({"--to", "5"}), "--to"},
        {Scan({"--json"}), "„--json”"},
        {Scan({"--energy", "5"}), "„--energy”"},
        {Scan({"--threads", "257"}), "--threads"},
        {Scan({"--csv"}), "hiányzik az érték"},
        {Scan({"--html", "a.html"}), "„--html”"},
        {{"evidence"}, "hiányzik a kép vagy a mappa"},
        {{"evidence", "--csv", "a.csv"}, "hiányzik a kép vagy a mappa"},
        {{"evidence", "terem", "--energy", "5"}, "„--energy”"},
        {{"evidence", "terem", "--html"}, "hiányzik az érték"},
    };
    for (const auto& [arguments, named] : refusals)
        EXPECT_NE(ErrorOf(arguments).find(named), std::string::npos) << arguments.front() << " " << named;
}

TEST(CommandLine, HelpAndVersion)
{
    for (const Arguments& arguments : {Arguments{"--help"}, Arguments{"-h"}, Arguments{"help"}}) {
        const ParsedCommandLine parsed = ParseCommandLine(arguments);
        ASSERT_TRUE(std::holds_alternative<HelpRequest>(parsed)) << arguments.front();
        EXPECT_EQ(std::get<HelpRequest>(parsed).command, "");
    }
    for (const Arguments& arguments : {Measure({"--help"}), Scan({"-h"}), Arguments{"evidence", "terem", "--help"}}) {
        const ParsedCommandLine parsed = ParseCommandLine(arguments);
        ASSERT_TRUE(std::holds_alternative<HelpRequest>(parsed)) << arguments.front();
        EXPECT_EQ(std::get<HelpRequest>(parsed).command, arguments.front());
    }
    EXPECT_TRUE(std::holds_alternative<VersionRequest>(ParseCommandLine({"--version"})));
}

// The words the shell completion offers after a command ("--energy --field
// ...") or, with an empty command, in the place of one.
std::set<std::string> CompletedWords(const std::string& command)
{
    std::ifstream file(VANTOR_COMPLETION);
    const std::string start = command.empty() ? "compgen -W '" : "options='";
    bool inCommand = command.empty();
    for (std::string line; std::getline(file, line);) {
        if (!command.empty() && line.find(" " + command + ")") != std::string::npos)
            inCommand = true;
        const std::size_t at = line.find(start);
        if (!inCommand || at == std::string::npos)
            continue;
        std::istringstream words(line.substr(at + start.size(), line.find('\'', at + start.size()) - at - start.size()));
        return {std::istream_iterator<std::string>(words), std::istream_iterator<std::string>()};
    }
    return {};
}

// The options are read from the commands' own tables, so that a new option
// without its help, its manual entry, its place in the manual's synopsis or
// its shell completion fails here.
TEST(CommandLine, EveryOptionIsInItsCommandsHelpAndInTheManualPage)
{
    const std::string manual = VANTOR_MAN_DIR "/vantor-cli.1";
    const std::set<std::string> entries = ManualEntries(manual, "KAPCSOLÓK");
    ASSERT_FALSE(entries.empty()) << manual;
    const auto hasEntry = [](const std::string& help, const std::string& option) {
        const std::size_t at = help.find("\n  " + option);
        const std::size_t after = at + 3 + option.size();
        return at != std::string::npos && after < help.size() && (help[after] == ' ' || help[after] == '\n');
    };
    for (const CommandUsage& command : CommandUsages()) {
        const std::string help = HelpText(HelpRequest{command.name}, "/usr/share/vantor/sources");
        const std::set<std::string> synopsis = ManualSynopsis(manual, ".B vantor-cli " + command.name);
        const std::set<std::string> completed = CompletedWords(command.name);
        EXPECT_TRUE(CompletedWords("").contains(command.name)) << command.name;
        for (const OptionUsage& option : command.options) {
            EXPECT_FALSE(option.help.empty()) << command.name << " " << option.name;
            EXPECT_TRUE(hasEntry(help, option.name)) << command.name << " " << option.name << "\n" << help;
            EXPECT_TRUE(entries.contains(option.name)) << option.name << " has no entry in " << manual;
            EXPECT_TRUE(synopsis.contains(option.name)) << option.name << " is not in the synopsis of " << command.name;
            EXPECT_TRUE(completed.contains(option.name)) << option.name << " is not completed after " << command.name;
        }
        EXPECT_TRUE(hasEntry(help, "--help")) << command.name;
    }
    const std::string help = HelpText(HelpRequest{}, "/usr/share/vantor/sources");
    for (const OptionUsage& option : TopLevelOptions()) {
        EXPECT_TRUE(hasEntry(help, option.name)) << option.name;
        EXPECT_TRUE(entries.contains(option.name)) << option.name << " has no entry in " << manual;
        EXPECT_TRUE(CompletedWords("").contains(option.name)) << option.name;
    }
}

TEST(CommandLine, ASeedIsAnUnsigned32BitNumberInDigitsOnly)
{
    for (const char* refused : {"4294967296", "-1", "+1", " 1", "1x", "$10", "1.0", ""})
        EXPECT_NE(ErrorOf(Scan({"--seed", refused})).find("--seed érték"), std::string::npos) << refused;
}

}
