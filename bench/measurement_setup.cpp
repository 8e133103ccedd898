#include "bench/measurement_setup.h"

#include "core/measurement.h"
#include "core/simulation.h"

void SetUpMeasurement(Simulation& sim, const MeasurementSettings& settings)
{
    SetUpSimulation(sim, settings);
    BeginMeasurement(sim, {.setCount = 0, .stopAtSetCount = true, .clearDetector = true}, RunClock::now());
}

void FlyMore(Simulation& sim, std::int32_t particles)
{
    sim.run.setCount = sim.run.launchedCount + particles;
    ContinueMeasurement(sim.run, RunClock::now());
    RunParticles(sim);
}
