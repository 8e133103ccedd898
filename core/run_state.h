#pragma once

#include <cstdint>
#include <string>

// Flags, counters and times of the measurement. Times are local date-times
// in days, the time of day being the fraction.
struct RunState {
    bool running = false;
    bool stopAtCount = false;
    std::int32_t setCount = 0;
    std::int32_t launchedCount = 0;
    std::int32_t detectedCount = 0;
    double startTime = 0.0;
    double accumulatedTime = 0.0;
};

// True when the launched or the detected count could not count one more
// particle; no particle may be launched then.
bool CountersFull(const RunState& run);

// True when a measurement may launch no more particles: at its set count when
// it stops there, or with a counter full.
bool ReachedSetCount(const RunState& run);

// The current local date-time in days, to the millisecond.
double NowInDays();

// The time of day a duration in days denotes, as hours:minutes:seconds ("0:02:00").
std::string ElapsedTimeText(double days);

// The measuring time shown during a run: now − start + earlier segments.
double MeasuringTime(const RunState& run, double now);
