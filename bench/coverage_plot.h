#pragma once

#include "bench/coverage_tally.h"

#include <optional>
#include <string>

// Coverage against energy as a PNG: the share of runs whose 95 % interval
// held the truth at each energy, with the nominal 95 % and the 88 % that
// 100 runs of a true 95 % interval stay above.
std::optional<std::string> WriteCoveragePlot(const CoverageTally& tally, const std::string& title,
                                             const std::string& path);
