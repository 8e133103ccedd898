#pragma once

#include "analysis/scan_point.h"

#include <vector>

struct SourceSpectrum;

// Scales the source's shape to the measured rates by least squares: the scale
// that brings it closest to them sets every point's sourceScaled.
void FitSource(std::vector<ScanPoint>& points);

// Sets every point's expected count and pull from its detection probability, and the true
// N·s(E) at its pass energy, from the density the sampler draws from.
void CompareWithSource(std::vector<ScanPoint>& points, const SourceSpectrum& source);

// The pulls of a scan: over many points they should look like a standard
// normal sample, mean near 0 and RMS near 1.
struct PullSummary {
    int count = 0;
    double mean = 0.0;
    double rms = 0.0;
};

PullSummary SummarisePulls(const std::vector<ScanPoint>& points);
