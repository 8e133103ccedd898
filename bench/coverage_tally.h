#pragma once

#include "analysis/scan_point.h"

#include <vector>

// How often the unfolded 95 % intervals of many runs of one scan held the
// true N·s(E), energy by energy.
struct CoverageTally {
    std::vector<double> energiesKeV;
    std::vector<double> truePerKeV;
    std::vector<int> covered;       // runs whose interval held the truth
    std::vector<double> widthSum;   // of the intervals, per keV
    std::vector<double> detectedSum;
    std::vector<int> runsMissing;   // [k]: runs whose intervals missed the truth at k energies
    int runs = 0;

    // Adds one run of the scan; every run has the same energies.
    void Add(const std::vector<ScanPoint>& points);

    double Share(std::size_t point) const { return runs > 0 ? static_cast<double>(covered[point]) / runs : 0.0; }
    double MeanWidth(std::size_t point) const { return runs > 0 ? widthSum[point] / runs : 0.0; }
    double MeanDetected(std::size_t point) const { return runs > 0 ? detectedSum[point] / runs : 0.0; }
    double OverallShare() const;
    double SmallestShare() const;
    double MeanWidth() const;
};
