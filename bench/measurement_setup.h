#pragma once

#include "core/measurement.h"

#include <cstdint>

struct Simulation;

// Starts a measurement as Start does in a freshly started program, with a set
// count of zero: each benchmark raises it by the particles it wants flown.
void SetUpMeasurement(Simulation& sim, const MeasurementSettings& settings);

// Continues the measurement for the next `particles`, through the one particle loop.
void FlyMore(Simulation& sim, std::int32_t particles);
