#pragma once

#include "cli/common/command_outcome.h"

struct MeasureOptions;

// Measures as a Start in a freshly started program and reports the counts
// and the pass band, as text or as one JSON object.
CommandOutcome RunMeasureCommand(const MeasureOptions& options);
