#include "cli/common/run_setup.h"

#include "cli/common/run_options.h"
#include "cli/common/utf8_text.h"
#include "core/measurement.h"
#include "core/simulation.h"
#include "spectrum/random_seed.h"
#include "spectrum/source_file.h"

#include <thread>

std::optional<std::string> LoadSourceFile(const std::string& path, SourceSpectrum& source)
{
    const SourceFile file = ReadSourceFile(PathFromUtf8(path));
    if (file.error)
        return "vantor-cli: a forrásfájl nem olvasható: " + path + ": " + *file.error;
    if (auto error = LoadSourceSpectrum(file.lines, source))
        return "vantor-cli: a forrásfájl nem használható: " + path + ", " + std::to_string(error->line) + ". sor: "
            + error->message;
    return std::nullopt;
}

std::optional<std::string> PrepareSimulation(const RunOptions& options, double energyKeV, Simulation& sim)
{
    SetUpSimulation(sim, {energyKeV, options.fieldMicrotesla, options.slitStep});
    if (!options.sourcePath.empty()) {
        if (auto error = LoadSourceFile(options.sourcePath, sim.source))
            return error;
    }
    sim.random = SeededRandomState(options.seed);
    return std::nullopt;
}

int ThreadsToUse(const RunOptions& options)
{
    if (options.threads > 0)
        return options.threads;
    return std::max(1u, std::thread::hardware_concurrency());
}
