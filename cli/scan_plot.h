#pragma once

#include "cli/scan_point.h"

#include <optional>
#include <string>
#include <vector>

// Draws the contestant's rate per keV and, when the scan was unfolded, the
// unfolded values, both with error bars, over the true N·s(E) as a line, none
// of them fitted; under them the pulls of the counts. Saves the picture as
// PNG. Works without a display. Returns the message to show when the file
// cannot be written.
std::optional<std::string> WriteScanPlot(const std::vector<ScanPoint>& points, const std::string& path);
