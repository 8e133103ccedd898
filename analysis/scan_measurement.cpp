#include "analysis/scan_measurement.h"

#include "analysis/detection_probability.h"
#include "analysis/source_comparison.h"
#include "core/measurement.h"
#include "core/pass_band.h"
#include "core/physics_constants.h"
#include "core/settings_rules.h"
#include "core/simulation.h"

#include <cmath>

namespace {

ScanPoint PointOf(Simulation& sim, double energyKeV)
{
    ScanPoint point;
    point.energyKeV = energyKeV;
    point.launched = sim.run.launchedCount;
    point.detected = sim.run.detectedCount;
    if (BandKnown(sim)) {
        point.passLowerKeV = KeVPerMeV * sim.band.PassLower;
        point.passUpperKeV = KeVPerMeV * sim.band.PassUpper;
        point.passWidthKeV = KeVPerMeV * sim.band.PassWidth;
        point.responseLowerKeV = KeVPerMeV * sim.band.SearchedLower;
        point.responseUpperKeV = KeVPerMeV * sim.band.SearchedUpper;
        point.detectionProbability = DetectionProbability(sim, CoarseGrid);
        if (*point.passWidthKeV > 0.0) {
            point.ratePerKeV = point.detected / *point.passWidthKeV;
            // An empty count still carries an error of about one count.
            point.rateErrorPerKeV = std::sqrt(std::max(1.0, static_cast<double>(point.detected)))
                / *point.passWidthKeV;
        }
    }
    point.sourceIntensity = EvalSpline(sim.source.Segments, energyKeV / KeVPerMeV).value;
    return point;
}

}

std::vector<ScanPoint> MeasureScan(Simulation& sim, const ScanPlan& plan, int threads,
                                   const ScanProgress& progress)
{
    std::vector<ScanPoint> points;
    std::int64_t flownBefore = 0;
    for (double energyKeV : plan.energiesKeV) {
        const std::size_t index = points.size();
        if (progress)
            progress(index, flownBefore);
        ApplyEnergyEntry(sim.filter, energyKeV, plan.fieldMicrotesla);
        RunProgress pointProgress;
        if (progress)
            pointProgress = [&](std::int64_t flown) { progress(index, flownBefore + flown); };
        MeasureHeadless(sim, plan.count, threads, pointProgress);
        flownBefore += sim.run.launchedCount;
        points.push_back(PointOf(sim, energyKeV));
    }
    FitSource(points);
    return points;
}
