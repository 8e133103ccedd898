#include "cli/scan/scan_unfolding.h"

#include "base/number_text.h"
#include "cli/scan/scan_options.h"
#include "cli/scan/scan_energies.h"
#include "core/pass_band.h"
#include "core/physics_constants.h"
#include "core/settings_rules.h"
#include "core/simulation.h"
#include "spectrum/acceptance_ceiling.h"
#include "spectrum/drawn_density.h"
#include "unfolding/band_unfolding.h"

namespace {

// Fewer readings than this cannot both fit a spectrum and say how well.
constexpr std::size_t FewestPoints = 5;

struct BandSurvey {
    bool anyDraws = false;
    // The first pass energy whose band reaches down to zero energy or below:
    // the search has then found no interval of energies that pass.
    std::optional<double> withoutBandKeV;
};

BandSurvey SurveyBands(const Simulation& sim, const ScanOptions& options)
{
    Simulation probe = sim;
    probe.view = nullptr;
    BandSurvey survey;
    for (const double energyKeV : ScanEnergies(options)) {
        ApplyEnergyEntry(probe.filter, energyKeV, options.fieldMicrotesla);
        UpdatePassBand(probe);
        if (!(probe.band.SearchedLower > 0.0) && !survey.withoutBandKeV)
            survey.withoutBandKeV = energyKeV;
        if (DrawnProbability(probe.source, probe.band.SearchedLower, probe.band.SearchedUpper) > 0.0)
            survey.anyDraws = true;
    }
    return survey;
}

}

std::optional<std::string> UnfoldingRefusal(const Simulation& sim, const ScanOptions& options)
{
    const std::size_t points = ScanEnergies(options).size();
    if (points < FewestPoints)
        return "vantor-cli: a --unfold legalább " + std::to_string(FewestPoints) + " mérési pontot kíván, a scan "
            + std::to_string(points) + " pontos";
    if (options.fieldMicrotesla == 0)
        return std::string("vantor-cli: a --unfold mágneses tér nélkül nem használható: 0 µT mellett nincs "
                           "energiaablak");
    const BandSurvey survey = SurveyBands(sim, options);
    if (survey.withoutBandKeV)
        return "vantor-cli: a --unfold nem használható: a(z) " + FixedText(*survey.withoutBandKeV, 1, 3)
            + " keV-es pontnak nincs energiaablaka (az alsó széle nem pozitív)";
    if (!survey.anyDraws)
        return std::string("vantor-cli: a --unfold nem használható: a scan egyik energiaablaka sem fed át a forrás "
                           "spektrumával");
    return std::nullopt;
}

void UnfoldScan(std::vector<ScanPoint>& points, const SourceSpectrum& source)
{
    std::vector<BandCount> counts;
    std::vector<double> energies;
    for (const ScanPoint& point : points) {
        counts.push_back({*point.responseLowerKeV, *point.responseUpperKeV, static_cast<double>(point.launched),
                          static_cast<double>(point.detected)});
        energies.push_back(point.energyKeV);
    }
    const UnfoldedSpectrum unfolded
        = UnfoldBands(counts, KeVPerMeV * SmallestCandidate, KeVPerMeV * source.SampleRange, energies);
    for (std::size_t i = 0; i < points.size(); ++i) {
        points[i].unfoldedPerKeV = points[i].launched * unfolded.density[i];
        points[i].unfoldedErrorPerKeV = points[i].launched * unfolded.error[i];
        points[i].unfoldedLowerPerKeV = points[i].launched * unfolded.lower[i];
        points[i].unfoldedUpperPerKeV = points[i].launched * unfolded.upper[i];
    }
}
