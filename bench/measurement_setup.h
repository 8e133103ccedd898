#pragma once

#include <cstdint>

struct Simulation;

// The inputs of a headless measurement, as `vantor-cli measure` takes them.
struct MeasurementSettings {
    double energyKeV;
    std::int32_t fieldMicrotesla;
    std::int32_t slitStep;
};

// Starts a measurement as Start does in a freshly started program, with a set
// count of zero: each benchmark raises it by the particles it wants flown.
void SetUpMeasurement(Simulation& sim, const MeasurementSettings& settings);

// Flies the next `particles` of the measurement through the one particle loop.
void FlyMore(Simulation& sim, std::int32_t particles);
