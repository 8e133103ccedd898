#include "cli/scan/scan_energies.h"

#include "cli/scan/scan_options.h"

#include <cmath>

// The steps of a scan after its first point. Counted from the first energy
// rather than added up, so that no rounding drift loses the last point; the
// limit on the points counts them the same way.
double ScanSteps(const ScanOptions& options)
{
    return std::floor((options.toKeV - options.fromKeV) / options.stepKeV + 1e-9);
}

std::vector<double> ScanEnergies(const ScanOptions& options)
{
    const auto steps = static_cast<long>(ScanSteps(options));
    std::vector<double> energies;
    for (long i = 0; i <= steps; ++i)
        energies.push_back(options.fromKeV + static_cast<double>(i) * options.stepKeV);
    return energies;
}

ScanPlan ScanPlanOf(const ScanOptions& options)
{
    return {ScanEnergies(options), options.fieldMicrotesla, options.count};
}
