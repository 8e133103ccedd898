#pragma once

#include "analysis/scan_plan.h"
#include "analysis/scan_point.h"

#include <cstddef>
#include <optional>
#include <vector>

struct Simulation;
struct SourceSpectrum;

// Fewer readings than this cannot both fit a spectrum and say how well.
inline constexpr std::size_t FewestUnfoldingPoints = 5;

// Why a scan cannot be unfolded.
struct UnfoldingRefusal {
    enum class Reason {
        TooFewPoints,       // fewer than FewestUnfoldingPoints
        NoMagneticField,    // at 0 µT no band is let through
        PointWithoutBand,   // the band of energyKeV reaches down to zero energy or below
        NoBandMeetsSource,  // every band misses the energies the source draws
    };
    Reason reason;
    std::size_t points = 0;
    double energyKeV = 0.0;
};

// Why the plan's scan cannot be unfolded, the reasons tried in the order
// above; nothing when it can. Searches the bands on a copy of sim, so
// nothing is flown or counted.
std::optional<UnfoldingRefusal> RefuseUnfolding(const Simulation& sim, const ScanPlan& plan);

// Sets every point's unfolded N·s(E), its error and its 95 % interval from
// the counts and bands alone; of the source only the energies it can draw
// from are used.
void UnfoldScan(std::vector<ScanPoint>& points, const SourceSpectrum& source);
