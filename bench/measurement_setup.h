#pragma once

#include <cstdint>

struct Simulation;

// The inputs of a headless measurement, as `vantor-cli measure` takes them.
struct MeasurementSettings {
    double energyKeV;
    std::int32_t fieldMicrotesla;
    std::int32_t slitStep;
};

// Prepares a run as `vantor-cli measure` does, without searching the pass band
// and without a set count, so that particles can be launched for as long as a
// benchmark needs them.
void SetUpMeasurement(Simulation& sim, const MeasurementSettings& settings);
