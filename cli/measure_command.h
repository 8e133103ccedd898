#pragma once

#include <string>

struct MeasureOptions;

// Measures as a Start in a freshly started program and returns the report,
// as text or as one JSON object.
std::string RunMeasureCommand(const MeasureOptions& options);
