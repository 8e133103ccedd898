#include "analysis/scan_unfolding.h"

#include "core/pass_band.h"
#include "core/physics_constants.h"
#include "core/settings_rules.h"
#include "core/simulation.h"
#include "spectrum/acceptance_ceiling.h"
#include "spectrum/drawn_density.h"
#include "unfolding/band_unfolding.h"

namespace {

struct BandSurvey {
    bool anyDraws = false;
    // The first pass energy whose band reaches down to zero energy or below:
    // the search has then found no interval of energies that pass.
    std::optional<double> withoutBandKeV;
};

BandSurvey SurveyBands(const Simulation& sim, const ScanPlan& plan)
{
    Simulation probe = sim;
    probe.view = nullptr;
    BandSurvey survey;
    for (const double energyKeV : plan.energiesKeV) {
        ApplyEnergyEntry(probe.filter, energyKeV, plan.fieldMicrotesla);
        UpdatePassBand(probe);
        if (!(probe.band.SearchedLower > 0.0) && !survey.withoutBandKeV)
            survey.withoutBandKeV = energyKeV;
        if (DrawnProbability(probe.source, probe.band.SearchedLower, probe.band.SearchedUpper) > 0.0)
            survey.anyDraws = true;
    }
    return survey;
}

}

std::optional<UnfoldingRefusal> RefuseUnfolding(const Simulation& sim, const ScanPlan& plan)
{
    using Reason = UnfoldingRefusal::Reason;
    const std::size_t points = plan.energiesKeV.size();
    if (points < FewestUnfoldingPoints)
        return UnfoldingRefusal{Reason::TooFewPoints, points};
    if (plan.fieldMicrotesla == 0)
        return UnfoldingRefusal{Reason::NoMagneticField, points};
    const BandSurvey survey = SurveyBands(sim, plan);
    if (survey.withoutBandKeV)
        return UnfoldingRefusal{Reason::PointWithoutBand, points, *survey.withoutBandKeV};
    if (!survey.anyDraws)
        return UnfoldingRefusal{Reason::NoBandMeetsSource, points};
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
