#include "cli/measure_command.h"

#include "cli/command_line.h"
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

std::string JsonReport(const Simulation& sim)
{
    const bool known = BandComputed(sim);
    return "{\"launched\": " + std::to_string(sim.run.launchedCount)
        + ", \"detected\": " + std::to_string(sim.run.detectedCount)
        + ", \"passLowerKeV\": " + JsonNumber(known, sim.band.PassLower)
        + ", \"passUpperKeV\": " + JsonNumber(known, sim.band.PassUpper)
        + ", \"passWidthKeV\": " + JsonNumber(known, sim.band.PassWidth) + "}\n";
}

std::string TextReport(const Simulation& sim)
{
    const bool known = BandComputed(sim);
    auto readout = [known](double megaElectronVolts) {
        return known ? PassBandText(megaElectronVolts) : std::string("Nem számolható");
    };
    return "Kibocsátott: " + std::to_string(sim.run.launchedCount) + "\n"
        + "Beütésszám: " + std::to_string(sim.run.detectedCount) + "\n"
        + "E_min (keV): " + readout(sim.band.PassLower) + "\n"
        + "E_max (keV): " + readout(sim.band.PassUpper) + "\n"
        + "Energiaablak szélessége (keV): " + readout(sim.band.PassWidth) + "\n";
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
