#pragma once

#include "cli/common/option_parsing.h"
#include "core/settings_rules.h"

#include <cstdint>
#include <string>

// What a measurement and a scan are both set up with, with the window's
// defaults.
struct RunOptions {
    std::int32_t fieldMicrotesla = 0;
    std::int32_t slitStep = 0;
    std::int32_t count = 1000;
    std::string sourcePath;     // empty: the built-in C-14 source
    std::int32_t threads = 0;   // 0: every core of the machine
    std::uint32_t seed = 0;     // where the random sequence starts; 0: where every run starts
};

inline constexpr const char* EnergyWanted = "nem-negatív számot kell megadni keV-ben";
inline constexpr const char* FieldMeaning = "a mágneses indukció µT-ban";

inline bool IsValidThreadCount(std::int32_t threads)
{
    return threads >= 1 && threads <= 256;
}

// The rules of RunOptions' options, for a command whose options derive from it.
template <class Options>
OptionRules<Options> RunRules()
{
    return {
        {"--field", {Integer<Options>(&RunOptions::fieldMicrotesla, IsValidFieldMicrotesla),
                     "nem-negatív egész számot kell megadni µT-ban"}},
        {"--slit", {Integer<Options>(&RunOptions::slitStep, IsValidSlitStep), "0 és 19 közötti egész számot kell megadni"}},
        {"--count", {Integer<Options>(&RunOptions::count, IsValidParticleCount), "pozitív egész számot kell megadni"}},
        {"--threads", {Integer<Options>(&RunOptions::threads, IsValidThreadCount),
                       "1 és 256 közötti egész számot kell megadni"}},
        {"--seed", {Unsigned<Options>(&RunOptions::seed), "0 és 4294967295 közötti egész számot kell megadni"}},
        {"--source", {Path<Options>(&RunOptions::sourcePath), FileNameWanted}},
    };
}
