#pragma once

#include <string>

// What a command leaves for the terminal, and its exit status.
struct CommandOutcome {
    int exitStatus = 0;
    std::string output;   // standard output
    std::string error;    // one line for standard error
};

inline constexpr int ExitRefused = 2;   // bad arguments or an unusable source file
inline constexpr int ExitFailed = 1;    // an output file could not be written
inline constexpr int ExitFlagged = 3;   // the evidence command found a picture other than intact
