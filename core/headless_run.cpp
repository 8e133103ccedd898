#include "core/headless_run.h"

#include "core/flight.h"
#include "core/simulation.h"
#include "spectrum/sampler.h"

void StartHeadless(Simulation& sim, std::int32_t count, int threads, const RunProgress& progress)
{
    RunState& run = sim.run;
    FindSpectrumMax(sim.source);
    run.setCount = count;
    run.stopAtCount = true;
    sim.band.PassLower = NotComputed;
    sim.band.PassUpper = 0.0;
    run.launchedCount = 0;
    run.detectedCount = 0;
    run.running = true;
    UpdatePassBand(sim);
    if (threads > 1 || progress)
        RunHeadlessParallel(sim, threads, progress);
    else
        RunHeadless(sim);
}

void RunHeadless(Simulation& sim)
{
    RunState& run = sim.run;
    ParticleState& particle = sim.MeasuredParticle;
    auto reachedSetCount = [&run] {
        return (run.stopAtCount && run.launchedCount >= run.setCount) || CountersFull(run);
    };
    if (reachedSetCount())
        run.running = false;
    if (!run.running)
        return;
    LaunchParticle(sim, particle, 0, true);
    while (run.running) {
        DriveParticle(sim, particle);
        if (reachedSetCount())
            run.running = false;
        if (run.running)
            LaunchParticle(sim, particle, particle.Id, true);
    }
}
