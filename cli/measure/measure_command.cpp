#include "cli/measure/measure_command.h"

#include "analysis/detection_probability.h"
#include "analysis/expected_count.h"
#include "base/number_text.h"
#include "cli/common/run_setup.h"
#include "cli/measure/measure_options.h"
#include "core/band_readout.h"
#include "core/measurement.h"
#include "core/pass_band.h"
#include "core/simulation.h"

#include <string>

namespace {

// A readout as a JSON number: the window's digits, without its padding.
std::string JsonReadout(bool known, double megaElectronVolts)
{
    if (!known)
        return "null";
    const std::string text = PassBandText(megaElectronVolts);
    return text.substr(text.find_first_not_of(' '));
}

// Absent without a band, as the band readouts are.
std::optional<ExpectedCount> Expected(Simulation& sim)
{
    if (!BandKnown(sim))
        return std::nullopt;
    return ExpectCount(DetectionProbability(sim, FineGrid), sim.run.launchedCount, sim.run.detectedCount);
}

std::string JsonOptional(const std::optional<double>& value)
{
    return value ? ExactNumberText(*value) : "null";
}

std::string JsonReport(Simulation& sim, std::uint32_t seed)
{
    const bool known = BandKnown(sim);
    const std::optional<ExpectedCount> expected = Expected(sim);
    return "{\"launched\": " + std::to_string(sim.run.launchedCount)
        + ", \"detected\": " + std::to_string(sim.run.detectedCount)
        + ", \"passLowerKeV\": " + JsonReadout(known, sim.band.PassLower)
        + ", \"passUpperKeV\": " + JsonReadout(known, sim.band.PassUpper)
        + ", \"passWidthKeV\": " + JsonReadout(known, sim.band.PassWidth)
        + ", \"expectedDetected\": " + JsonOptional(expected ? std::optional(expected->detected) : std::nullopt)
        + ", \"pull\": " + JsonOptional(expected ? expected->pull : std::nullopt)
        + ", \"seed\": " + std::to_string(seed) + "}\n";
}

std::string TextReport(Simulation& sim)
{
    const BandReadouts band = BandReadoutsOf(sim);
    const std::optional<ExpectedCount> expected = Expected(sim);
    auto figure = [](const std::optional<double>& value, int decimals) {
        return value ? FixedText(*value, 1, decimals) : std::string(NotComputableText);
    };
    return "Kibocsátott: " + std::to_string(sim.run.launchedCount) + "\n"
        + "Beütésszám: " + std::to_string(sim.run.detectedCount) + "\n"
        + "E_min (keV): " + band.lower + "\n"
        + "E_max (keV): " + band.upper + "\n"
        + "Energiaablak szélessége (keV): " + band.width + "\n"
        + "Várható beütésszám: " + figure(expected ? std::optional(expected->detected) : std::nullopt, 1) + "\n"
        + "Eltérés a várhatótól (szórásban): " + figure(expected ? expected->pull : std::nullopt, 2) + "\n";
}

}

CommandOutcome RunMeasureCommand(const MeasureOptions& options)
{
    Simulation sim;
    if (auto error = PrepareSimulation(options, options.energyKeV, sim))
        return {ExitRefused, "", *error};
    MeasureHeadless(sim, options.count, ThreadsToUse(options));
    return {0, options.json ? JsonReport(sim, options.seed) : TextReport(sim), ""};
}
