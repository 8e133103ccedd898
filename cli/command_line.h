#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

struct MeasureOptions {
    double energyKeV = 0.0;
    std::int32_t fieldMicrotesla = 0;
    std::int32_t slitStep = 0;
    std::int32_t count = 1000;
    bool json = false;
};

enum class Command { Help, Version, Measure };

struct CommandLine {
    Command command = Command::Help;
    MeasureOptions measure;
};

// A refused command line, in one line that names the argument at fault.
struct CommandLineError {
    std::string message;
};

std::variant<CommandLine, CommandLineError> ParseCommandLine(const std::vector<std::string>& arguments);

std::string HelpText();
