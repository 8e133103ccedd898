#pragma once

#include "core/parallel_run.h"
#include "core/run_state.h"

#include <cstdint>
#include <functional>

struct Simulation;

// The settings inputs a measurement starts from, as the window's boxes and
// the command line give them.
struct MeasurementSettings {
    double energyKeV = 0.0;
    std::int32_t fieldMicrotesla = 0;
    std::int32_t slitStep = 0;
};

// A simulation as a freshly started program has it (walls, built-in source),
// with the slit set and the energy entered at the induction.
void SetUpSimulation(Simulation& sim, const MeasurementSettings& settings);

// How a measurement is started: Start in the window, a headless measurement,
// a point of a scan.
struct MeasurementStart {
    std::int32_t setCount = 0;
    bool stopAtSetCount = true;
    bool clearDetector = true;
};

// What Start prepares before the first particle: the spectrum maximum, the
// band forgotten and searched anew for the current settings, the launched
// count (and the detected count, when asked) cleared, the measuring time
// begun at now, and the run marked running.
void BeginMeasurement(Simulation& sim, const MeasurementStart& start, RunClock::time_point now);

// Stop at now: the run ends and its segment is added to the measuring time.
void StopMeasurement(RunState& run, RunClock::time_point now);

enum class Continuation {
    Refused,            // a counter is full: nothing more can be counted
    Continued,
    ContinuedUnlimited, // stopped at its set count, it goes on without a limit
};

// Continue after Stop: the run goes on with a new time segment from now.
Continuation ContinueMeasurement(RunState& run, RunClock::time_point now);

// The window gets a turn after every this many launched particles.
inline constexpr std::int32_t ParticlesPerTurn = 1000;

// What the caller of the particle loop does at its moments.
struct RunCallbacks {
    // The set count is reached, or a counter is full; when left empty the run
    // simply ends. The window stops the run as its Stop button does.
    std::function<void()> setCountReached;
    // Every ParticlesPerTurn launched particles and once at the end: the
    // window repaints and handles what the user did, Stop included.
    std::function<void()> turn;
    // Asked after each turn but the last: true pauses the run, still running,
    // with the particle just launched waiting to fly. A view without an event
    // loop of its own, the browser page, returns to the browser so.
    std::function<bool()> pauseAtTurn = nullptr;
};

enum class RunEnd {
    Ended,   // the run is no longer running
    Paused,  // pauseAtTurn asked for it; ResumeParticles goes on
};

// Launches and flies particles one after another for as long as the run is
// running.
RunEnd RunParticles(Simulation& sim, const RunCallbacks& callbacks = {});

// Goes on with a paused run: the waiting particle flies first, so that the
// counts are those of a run that never paused.
RunEnd ResumeParticles(Simulation& sim, const RunCallbacks& callbacks = {});

// A Start in a freshly started program, run to its set count without a
// window. With more than one thread, or with progress to report, the flights
// are shared among threads, with the same counts.
void MeasureHeadless(Simulation& sim, std::int32_t count, int threads = 1, const RunProgress& progress = {});
