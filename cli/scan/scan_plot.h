#pragma once

#include "analysis/scan_point.h"

#include <QByteArray>

#include <vector>

// Draws the contestant's rate per keV and, when the scan was unfolded, the
// unfolded values, both with error bars, over the true N·s(E) as a line, none
// of them fitted; under them the pulls of the counts. The picture as PNG
// bytes. Its text wants an application: without a display, an OffscreenGui.
QByteArray ScanPlotPng(const std::vector<ScanPoint>& points);
