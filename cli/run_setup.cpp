#include "cli/run_setup.h"

#include "cli/command_line.h"
#include "core/settings_rules.h"
#include "core/simulation.h"

#include <fstream>
#include <sstream>
#include <thread>

namespace {

std::optional<std::string> LoadSourceFile(const std::string& path, SourceSpectrum& source)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return "vantor-cli: a forrásfájl nem olvasható: " + path;
    std::ostringstream text;
    text << file.rdbuf();
    if (auto error = LoadSourceSpectrum(SplitLines(text.str()), source))
        return "vantor-cli: a forrásfájl nem használható: " + path + ", " + std::to_string(error->line) + ". sor: "
            + error->message;
    return std::nullopt;
}

}

std::optional<std::string> PrepareSimulation(const Options& options, Simulation& sim)
{
    InitialiseSimulation(sim);
    if (!options.sourcePath.empty()) {
        SourceSpectrum fromFile;
        if (auto error = LoadSourceFile(options.sourcePath, fromFile))
            return error;
        sim.source = std::move(fromFile);
    }
    ApplySlitStep(sim.walls, options.slitStep);
    return std::nullopt;
}

int ThreadsToUse(const Options& options)
{
    if (options.threads > 0)
        return options.threads;
    return std::max(1u, std::thread::hardware_concurrency());
}
