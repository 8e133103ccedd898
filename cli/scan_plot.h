#pragma once

#include "cli/scan_point.h"

#include <optional>
#include <string>
#include <vector>

// Draws the measured rate per keV with its error bars over the source
// spectrum scaled to it, and saves the picture as PNG. Works without a
// display. Returns the message to show when the file cannot be written.
std::optional<std::string> WriteScanPlot(const std::vector<ScanPoint>& points, const std::string& path);
