#pragma once

#include "analysis/scan_plan.h"

#include <vector>

struct ScanOptions;

// The steps of a scan after its first point: the pass energies run from
// --from to --to inclusive by --step.
double ScanSteps(const ScanOptions& options);

// The pass energies of a scan, from the first to the last inclusive.
std::vector<double> ScanEnergies(const ScanOptions& options);

// What the options ask to measure.
ScanPlan ScanPlanOf(const ScanOptions& options);
