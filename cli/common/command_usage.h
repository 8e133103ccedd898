#pragma once

#include <string>
#include <vector>

// vantor-cli's help, made from the commands' option tables, so that each
// option is described once, beside the rule that reads it.

struct OptionUsage {
    std::string name;    // "--energy"
    std::string value;   // what the help calls its value ("KEV"); empty for a flag
    std::string help;
    bool required = false;
};

struct CommandUsage {
    std::string name;           // "measure"
    std::string description;    // what the command does
    std::string operandsName;   // "ÚTVONAL..."; empty for a command that takes none
    std::vector<OptionUsage> options;
};

// The command's line of the usage, "  vantor-cli measure --energy KEV ...",
// wrapped under the command's options.
std::string UsageLines(const CommandUsage& command);

// An entry for each option: its name and value, then its help wrapped in a
// column of its own.
std::string OptionLines(const std::vector<OptionUsage>& options);

// text in lines no wider than the help, broken between words.
std::string Paragraph(const std::string& text);
