#pragma once

#include "analysis/scan_point.h"

#include <cstdint>
#include <string>
#include <vector>

// The scan as a table for the terminal.
std::string ScanTable(const std::vector<ScanPoint>& points);

// The scan as CSV with a header row; numbers in full precision with '.', an
// empty field where the band cannot be computed; every row names the seed
// the scan's random sequence started from.
std::string ScanCsv(const std::vector<ScanPoint>& points, std::uint32_t seed);
