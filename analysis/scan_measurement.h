#pragma once

#include "analysis/scan_plan.h"
#include "analysis/scan_point.h"

#include <cstdint>
#include <functional>
#include <vector>

struct Simulation;

// Told before each point and now and then during it: the point's index and
// the particles flown so far in the whole scan.
using ScanProgress = std::function<void(std::size_t point, std::int64_t flown)>;

// Measures at every pass energy of the plan as a Start in one program run
// would: the random sequence runs on from point to point, each point clears
// the counters and searches its band. Rates and the fitted source follow.
std::vector<ScanPoint> MeasureScan(Simulation& sim, const ScanPlan& plan, int threads,
                                   const ScanProgress& progress = {});
