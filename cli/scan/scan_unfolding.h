#pragma once

#include "analysis/scan_point.h"

#include <optional>
#include <string>
#include <vector>

struct ScanOptions;
struct Simulation;
struct SourceSpectrum;

// Why the scan the options describe cannot be unfolded: too few points, no
// band without a magnetic field, or bands that all miss the energies the
// source draws. Searches the bands on a copy, so nothing is flown or counted.
std::optional<std::string> UnfoldingRefusal(const Simulation& sim, const ScanOptions& options);

// Sets every point's unfolded N·s(E), its error and its 95 % interval from
// the counts and bands alone; of the source only the energies it can draw
// from are used.
void UnfoldScan(std::vector<ScanPoint>& points, const SourceSpectrum& source);
