#pragma once

#include <vector>

struct Options;

// The steps of a scan after its first point: the pass energies run from
// --from to --to inclusive by --step.
double ScanSteps(const Options& options);

// The pass energies of a scan, from the first to the last inclusive.
std::vector<double> ScanEnergies(const Options& options);
