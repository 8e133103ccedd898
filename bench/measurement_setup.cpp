#include "bench/measurement_setup.h"

#include "core/settings_rules.h"
#include "core/simulation.h"
#include "spectrum/sampler.h"

void SetUpMeasurement(Simulation& sim, const MeasurementSettings& settings)
{
    InitialiseSimulation(sim);
    ApplySlitStep(sim.walls, settings.slitStep);
    ApplyEnergyEntry(sim.filter, settings.energyKeV, settings.fieldMicrotesla);
    FindSpectrumMax(sim.source);
    sim.band.PassLower = NotComputed;
    sim.band.PassUpper = 0.0;
    sim.run.launchedCount = 0;
    sim.run.detectedCount = 0;
    sim.run.stopAtCount = false;
    sim.run.running = true;
}
