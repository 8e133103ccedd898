#pragma once

#include "base/number_scan.h"
#include "base/number_text.h"
#include "cli/common/command_usage.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <variant>
#include <vector>

// How every command reads its options: each command names its own rules
// over its own options struct, and one loop applies them.

// A refused command line, in one line that names the argument at fault.
struct CommandLineError {
    std::string message;
};

// --help or -h, wherever it stands among a command's arguments; command: the
// command whose help is asked for, empty for vantor-cli's own.
struct HelpRequest {
    std::string command;
};

template <class Options>
using ParsedOptions = std::variant<Options, HelpRequest, CommandLineError>;

// Reads an option's value into the options; false for a value refused.
template <class Options>
using OptionReader = std::function<bool(const std::string& value, Options& options)>;

// One option: how it is read, and what its command's help says of it.
template <class Options>
struct OptionRule {
    std::string name{};               // "--energy"
    std::string value{};              // what the help calls its value ("KEV"); empty for a flag
    std::string help{};               // what the option is, for the help
    std::string required{};           // what a required option is, for the refusal that misses it; empty: optional
    OptionReader<Options> read{};     // empty for a flag without a value
    std::string why{};                // what a refused value should have been
    bool Options::*flag = nullptr;    // what a flag sets
};

// A command's options in the order its help lists them, and where its
// arguments that are not options go (none taken when empty) with what the help
// calls them.
template <class Options>
struct CommandGrammar {
    std::string name{};          // "measure"
    std::string description{};   // what the command does, the opening of its help
    std::vector<OptionRule<Options>> rules{};
    std::vector<std::string> Options::*operands = nullptr;
    std::string operandsName{};   // "ÚTVONAL..."
};

// What a command's help shows, whatever its options struct.
template <class Options>
CommandUsage UsageOf(const CommandGrammar<Options>& grammar)
{
    CommandUsage usage{grammar.name, grammar.description, grammar.operandsName, {}};
    for (const OptionRule<Options>& rule : grammar.rules)
        usage.options.push_back({rule.name, rule.value, rule.help, !rule.required.empty()});
    return usage;
}

inline constexpr const char* FileNameWanted = "fájlnevet kell megadni";

CommandLineError UnknownOption(const std::string& option);
CommandLineError UnexpectedArgument(const std::string& argument);
CommandLineError MissingValue(const std::string& option);
CommandLineError RefusedValue(const std::string& option, const std::string& value, const std::string& why);
CommandLineError RefusedDecimalComma(const std::string& option, const std::string& value);
CommandLineError MissingOption(const std::string& option, const std::string& meaning);

template <class Options>
OptionReader<Options> Decimal(double Options::*field, bool (*valid)(double))
{
    return [field, valid](const std::string& value, Options& options) {
        const std::optional<double> read = ParseDecimalText(value);
        if (!read || !std::isfinite(*read) || !valid(*read))
            return false;
        options.*field = *read;
        return true;
    };
}

template <class Options>
OptionReader<Options> Integer(std::int32_t Options::*field, bool (*valid)(std::int32_t))
{
    return [field, valid](const std::string& value, Options& options) {
        const std::optional<std::int32_t> read = ParseIntegerText(value);
        if (!read || !valid(*read))
            return false;
        options.*field = *read;
        return true;
    };
}

// A decimal number of 0 to 2^32 − 1, digits only: the conversion takes no
// sign, blank or prefix, and refuses what does not fit.
template <class Options>
OptionReader<Options> Unsigned(std::uint32_t Options::*field)
{
    return [field](const std::string& value, Options& options) {
        std::uint32_t read = 0;
        const char* end = value.data() + value.size();
        const auto [stop, error] = std::from_chars(value.data(), end, read);
        if (error != std::errc() || stop != end)
            return false;
        options.*field = read;
        return true;
    };
}

template <class Options>
OptionReader<Options> Path(std::string Options::*field)
{
    return [field](const std::string& value, Options& options) {
        if (value.empty())
            return false;
        options.*field = value;
        return true;
    };
}

// Whether the rule would read the value with decimal points for its commas:
// then the comma is the fault, not the number.
template <class Options>
bool ReadsWithDecimalPoint(const OptionRule<Options>& rule, std::string value)
{
    if (value.find(',') == std::string::npos)
        return false;
    std::ranges::replace(value, ',', '.');
    Options unused;
    return rule.read(value, unused);
}

// Reads the arguments after the command's name by its grammar.
template <class Options>
ParsedOptions<Options> ParseOptions(const CommandGrammar<Options>& grammar, const std::vector<std::string>& arguments)
{
    Options options;
    std::set<std::string> given;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        if (option == "--help" || option == "-h")
            return HelpRequest{grammar.name};
        if (grammar.operands && !option.starts_with("--")) {
            (options.*grammar.operands).push_back(option);
            continue;
        }
        const auto rule = std::ranges::find(grammar.rules, option, &OptionRule<Options>::name);
        if (rule == grammar.rules.end())
            return option.starts_with("-") ? UnknownOption(option) : UnexpectedArgument(option);
        given.insert(option);
        if (!rule->read) {
            options.*(rule->flag) = true;
            continue;
        }
        if (i + 1 >= arguments.size())
            return MissingValue(option);
        const std::string& value = arguments[++i];
        if (!rule->read(value, options)) {
            if (ReadsWithDecimalPoint(*rule, value))
                return RefusedDecimalComma(option, value);
            return RefusedValue(option, value, rule->why);
        }
    }
    for (const OptionRule<Options>& rule : grammar.rules) {
        if (!rule.required.empty() && !given.contains(rule.name))
            return MissingOption(rule.name, rule.required);
    }
    return options;
}
