#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

// The settings of a measurement or a scan, with the window's defaults.
struct Options {
    double energyKeV = 0.0;
    std::int32_t fieldMicrotesla = 0;
    std::int32_t slitStep = 0;
    std::int32_t count = 1000;
    bool json = false;
    bool unfold = false;   // estimate the source from the scan's counts
    double fromKeV = 0.0;
    double toKeV = 0.0;
    double stepKeV = 0.0;
    std::string csvPath;
    std::string plotPath;
    std::string sourcePath;   // empty: the built-in C-14 source
    std::int32_t threads = 0;   // 0: every core of the machine
    std::uint32_t seed = 0;     // where the random sequence starts; 0: where every run starts
    std::vector<std::string> paths;   // the pictures and folders to check
    std::string htmlPath;
};

enum class Command { Help, Version, Measure, Scan, Evidence };

struct CommandLine {
    Command command = Command::Help;
    Options options;
};

// A refused command line, in one line that names the argument at fault.
struct CommandLineError {
    std::string message;
};

std::variant<CommandLine, CommandLineError> ParseCommandLine(const std::vector<std::string>& arguments);

// sourcesFolder: where the source files shipped with the program lie.
std::string HelpText(const std::string& sourcesFolder);
