#include "cli/scan.h"

#include "cli/command_line.h"
#include "core/measurement.h"
#include "core/pass_band.h"
#include "core/settings_rules.h"
#include "core/simulation.h"

#include <cmath>

namespace {

constexpr double KeVPerMeV = 1000.0;

ScanPoint PointOf(const Simulation& sim, double energyKeV)
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

// The scale that brings the source's shape closest to the measured rates.
void FitSource(std::vector<ScanPoint>& points)
{
    double product = 0.0;
    double square = 0.0;
    for (const ScanPoint& point : points) {
        if (point.ratePerKeV) {
            product += *point.ratePerKeV * point.sourceIntensity;
            square += point.sourceIntensity * point.sourceIntensity;
        }
    }
    const double scale = square > 0.0 ? product / square : 0.0;
    for (ScanPoint& point : points)
        point.sourceScaled = scale * point.sourceIntensity;
}

}

std::vector<ScanPoint> MeasureScan(Simulation& sim, const Options& options, int threads,
                                   const ScanProgress& progress)
{
    std::vector<ScanPoint> points;
    std::int64_t flownBefore = 0;
    for (double energyKeV : ScanEnergies(options)) {
        const std::size_t index = points.size();
        if (progress)
            progress(index, flownBefore);
        ApplyEnergyEntry(sim.filter, energyKeV, options.fieldMicrotesla);
        RunProgress pointProgress;
        if (progress)
            pointProgress = [&](std::int64_t flown) { progress(index, flownBefore + flown); };
        MeasureHeadless(sim, options.count, threads, pointProgress);
        flownBefore += sim.run.launchedCount;
        points.push_back(PointOf(sim, energyKeV));
    }
    FitSource(points);
    return points;
}
