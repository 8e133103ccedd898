#include "cli/command_line.h"
#include "cli/scan/scan_options.h"
#include "core/settings_rules.h"
#include "fuzz/fuzz_check.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace {

// Arguments reach a program as NUL-terminated strings, so NUL parts them here.
std::vector<std::string> Arguments(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::string> arguments;
    if (size == 0)
        return arguments;
    std::string argument;
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            arguments.push_back(std::move(argument));
            argument.clear();
        } else {
            argument += static_cast<char>(data[i]);
        }
    }
    arguments.push_back(std::move(argument));
    return arguments;
}

bool IsEnergy(double keV)
{
    return std::isfinite(keV) && keV >= 0.0;
}

void RequireRunOptions(const RunOptions& options)
{
    Require(options.fieldMicrotesla >= 0, "the induction is not negative");
    Require(options.slitStep >= MinSlitStep && options.slitStep <= MaxSlitStep, "the slit step is one of the slit's");
    Require(options.count >= 1, "at least one particle is launched");
    Require(options.threads >= 0 && options.threads <= 256, "the thread count is 0 (every core) or 1 to 256");
}

void RequireScan(const ScanOptions& options)
{
    Require(IsEnergy(options.fromKeV) && IsEnergy(options.toKeV), "the scan's ends are energies");
    Require(options.fromKeV <= options.toKeV, "the scan goes upwards");
    Require(std::isfinite(options.stepKeV) && options.stepKeV > 0.0, "the scan's step is positive");
    const std::vector<double> energies = ScanEnergies(options);
    Require(!energies.empty() && energies.size() <= 100000, "a scan has 1 to 100000 points");
    Require(energies.front() == options.fromKeV, "a scan starts at its first energy");
    for (double energy : energies)
        Require(IsEnergy(energy), "every point of a scan is an energy");
}

struct RequireInRanges {
    void operator()(const MeasureOptions& options) const
    {
        RequireRunOptions(options);
        Require(IsEnergy(options.energyKeV), "the pass energy is an energy");
    }
    void operator()(const ScanOptions& options) const
    {
        RequireRunOptions(options);
        RequireScan(options);
    }
    void operator()(const EvidenceOptions& options) const
    {
        Require(!options.paths.empty(), "the evidence command checks at least one path");
    }
    void operator()(const HelpRequest&) const {}
    void operator()(const VersionRequest&) const {}
    void operator()(const CommandLineError& error) const { Require(!error.message.empty(), "a refusal says why"); }
};

}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ParsedCommandLine parsed;
    try {
        parsed = ParseCommandLine(Arguments(data, size));
    } catch (...) {
        Require(false, "parsing a command line never throws");
    }
    std::visit(RequireInRanges{}, parsed);
    return 0;
}
