#include "bench/measurement_setup.h"

#include "core/measurement.h"
#include "core/settings_rules.h"
#include "core/simulation.h"

void SetUpMeasurement(Simulation& sim, const MeasurementSettings& settings)
{
    InitialiseSimulation(sim);
    ApplySlitStep(sim.walls, settings.slitStep);
    ApplyEnergyEntry(sim.filter, settings.energyKeV, settings.fieldMicrotesla);
    BeginMeasurement(sim, {.setCount = 0, .stopAtSetCount = true, .clearDetector = true});
}

void FlyMore(Simulation& sim, std::int32_t particles)
{
    sim.run.setCount = sim.run.launchedCount + particles;
    sim.run.running = true;
    RunParticles(sim);
}
