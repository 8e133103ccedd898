#include "core/measurement.h"

#include "core/flight.h"
#include "core/particle.h"
#include "core/pass_band.h"
#include "core/settings_rules.h"
#include "core/simulation.h"
#include "spectrum/sampler.h"

void SetUpSimulation(Simulation& sim, const MeasurementSettings& settings)
{
    InitialiseSimulation(sim);
    ApplySlitStep(sim.walls, settings.slitStep);
    ApplyEnergyEntry(sim.filter, settings.energyKeV, settings.fieldMicrotesla);
}

void BeginMeasurement(Simulation& sim, const MeasurementStart& start, RunClock::time_point now)
{
    RunState& run = sim.run;
    FindSpectrumMax(sim.source);
    run.setCount = start.setCount;
    run.stopAtCount = start.stopAtSetCount;
    ForgetPassBand(sim.band);
    run.launchedCount = 0;
    if (start.clearDetector)
        run.detectedCount = 0;
    run.running = true;
    UpdatePassBand(sim);
    run.accumulatedTime = {};
    run.startTime = now;
}

void StopMeasurement(RunState& run, RunClock::time_point now)
{
    run.running = false;
    run.accumulatedTime += now - run.startTime;
}

Continuation ContinueMeasurement(RunState& run, RunClock::time_point now)
{
    if (CountersFull(run))
        return Continuation::Refused;
    Continuation continuation = Continuation::Continued;
    if (run.launchedCount >= run.setCount) {
        run.stopAtCount = false;
        continuation = Continuation::ContinuedUnlimited;
    }
    run.running = true;
    run.startTime = now;
    return continuation;
}

RunEnd RunParticles(Simulation& sim, const RunCallbacks& callbacks)
{
    RunState& run = sim.run;
    if (ReachedSetCount(run))
        run.running = false;
    if (!run.running)
        return RunEnd::Ended;
    LaunchParticle(sim, sim.MeasuredParticle, 0);
    return ResumeParticles(sim, callbacks);
}

RunEnd ResumeParticles(Simulation& sim, const RunCallbacks& callbacks)
{
    RunState& run = sim.run;
    ParticleState& particle = sim.MeasuredParticle;
    while (run.running) {
        DriveParticle(sim, particle);
        if (ReachedSetCount(run)) {
            if (callbacks.setCountReached)
                callbacks.setCountReached();
            else
                run.running = false;
        }
        if (run.running)
            LaunchParticle(sim, particle, particle.Id);
        if (run.launchedCount % ParticlesPerTurn == 0) {
            if (callbacks.turn)
                callbacks.turn();
            if (run.running && callbacks.pauseAtTurn && callbacks.pauseAtTurn())
                return RunEnd::Paused;
        }
    }
    if (callbacks.turn)
        callbacks.turn();
    return RunEnd::Ended;
}

void MeasureHeadless(Simulation& sim, std::int32_t count, int threads, const RunProgress& progress)
{
    BeginMeasurement(sim, {.setCount = count, .stopAtSetCount = true, .clearDetector = true}, RunClock::now());
    if (threads > 1 || progress)
        RunParticlesParallel(sim, threads, progress);
    else
        RunParticles(sim);
}
