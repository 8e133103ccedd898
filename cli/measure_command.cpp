#include "cli/measure_command.h"

#include "cli/command_line.h"
#include "cli/expected_count.h"
#include "cli/run_setup.h"
#include "core/headless_run.h"
#include "core/number_text.h"
#include "core/settings_rules.h"
#include "core/simulation.h"

#include <string>

namespace {

bool BandComputed(const Simulation& sim)
{
    return sim.band.PassLower != NotComputed && sim.filter.magneticField != 0.0;
}

std::string JsonNumber(bool known, double megaElectronVolts)
{
    return known ? ExactNumberText(1000 * megaElectronVolts) : "null";
}

// Absent without a band: without a magnetic field nothing says which energies pass.
std::optional<ExpectedCount> Expected(const Simulation& sim)
{
    if (!BandComputed(sim))
        return std::nullopt;
    return ExpectCount(sim.source, sim.band.SearchedLower, sim.band.SearchedUpper, sim.run.launchedCount,
                       sim.run.detectedCount);
}

std::string JsonOptional(const std::optional<double>& value)
{
    return value ? ExactNumberText(*value) : "null";
}

std::string JsonReport(const Simulation& sim)
{
    const bool known = BandComputed(sim);
    const std::optional<ExpectedCount> expected = Expected(sim);
    return "{\"launched\": " + std::to_string(sim.run.launchedCount)
        + ", \"detected\": " + std::to_string(sim.run.detectedCount)
        + ", \"passLowerKeV\": " + JsonNumber(known, sim.band.PassLower)
        + ", \"passUpperKeV\": " + JsonNumber(known, sim.band.PassUpper)
        + ", \"passWidthKeV\": " + JsonNumber(known, sim.band.PassWidth)
        + ", \"expectedDetected\": " + JsonOptional(expected ? std::optional(expected->detected) : std::nullopt)
        + ", \"pull\": " + JsonOptional(expected ? expected->pull : std::nullopt) + "}\n";
}

std::string TextReport(const Simulation& sim)
{
    const bool known = BandComputed(sim);
    auto readout = [known](double megaElectronVolts) {
        return known ? PassBandText(megaElectronVolts) : std::string("Nem számolható");
    };
    const std::optional<ExpectedCount> expected = Expected(sim);
    auto figure = [](const std::optional<double>& value, int decimals) {
        return value ? FixedText(*value, 1, decimals) : std::string("Nem számolható");
    };
    return "Kibocsátott: " + std::to_string(sim.run.launchedCount) + "\n"
        + "Beütésszám: " + std::to_string(sim.run.detectedCount) + "\n"
        + "E_min (keV): " + readout(sim.band.PassLower) + "\n"
        + "E_max (keV): " + readout(sim.band.PassUpper) + "\n"
        + "Energiaablak szélessége (keV): " + readout(sim.band.PassWidth) + "\n"
        + "Várható beütésszám: " + figure(expected ? std::optional(expected->detected) : std::nullopt, 1) + "\n"
        + "Eltérés a várhatótól (szórásban): " + figure(expected ? expected->pull : std::nullopt, 2) + "\n";
}

}

CommandOutcome RunMeasureCommand(const Options& options)
{
    Simulation sim;
    if (auto error = PrepareSimulation(options, sim))
        return {ExitRefused, "", *error};
    ApplyEnergyEntry(sim.filter, options.energyKeV, options.fieldMicrotesla);
    StartHeadless(sim, options.count, ThreadsToUse(options));
    return {0, options.json ? JsonReport(sim) : TextReport(sim), ""};
}
