#pragma once

#include "analysis/scan_point.h"
#include "cli/common/spreadsheet.h"
#include "cli/scan/scan_options.h"

#include <string>
#include <vector>

// The scan as a spreadsheet: the program's version, the seed and the
// settings above a table of the CSV's columns with Hungarian headings, the
// seed aside, one row per pass energy.
Sheet ScanSheet(const std::vector<ScanPoint>& points, const ScanOptions& options, const std::string& sourceName);
