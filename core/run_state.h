#pragma once

#include <chrono>
#include <cstdint>
#include <string>

// The clock of measuring times. It is steady: setting the wall clock, by
// hand, by the network time or for daylight saving, changes no duration.
using RunClock = std::chrono::steady_clock;

// Flags, counters and times of the measurement.
struct RunState {
    bool running = false;
    bool stopAtCount = false;
    std::int32_t setCount = 0;
    std::int32_t launchedCount = 0;
    std::int32_t detectedCount = 0;
    RunClock::time_point startTime{};     // the last Start or Continue
    RunClock::duration accumulatedTime{}; // the earlier segments of the measurement
};

// True when the launched or the detected count could not count one more
// particle; no particle may be launched then.
bool CountersFull(const RunState& run);

// True when a measurement may launch no more particles: at its set count when
// it stops there, or with a counter full.
bool ReachedSetCount(const RunState& run);

// The time of day a duration denotes, as hours:minutes:seconds ("0:02:00").
std::string ElapsedTimeText(RunClock::duration elapsed);

// The measuring time shown during a run: now − start + earlier segments.
RunClock::duration MeasuringTime(const RunState& run, RunClock::time_point now);
