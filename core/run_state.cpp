#include "core/run_state.h"

#include <algorithm>
#include <cstdio>
#include <limits>

bool CountersFull(const RunState& run)
{
    constexpr std::int32_t Largest = std::numeric_limits<std::int32_t>::max();
    return run.launchedCount == Largest || run.detectedCount == Largest;
}

bool ReachedSetCount(const RunState& run)
{
    return (run.stopAtCount && run.launchedCount >= run.setCount) || CountersFull(run);
}

std::string ElapsedTimeText(RunClock::duration elapsed)
{
    constexpr long long SecondsPerDay = 86400;
    const long long seconds =
        std::max<long long>(std::chrono::duration_cast<std::chrono::seconds>(elapsed).count(), 0) % SecondsPerDay;
    char text[16];
    std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", seconds / 3600, seconds / 60 % 60, seconds % 60);
    return text;
}

RunClock::duration MeasuringTime(const RunState& run, RunClock::time_point now)
{
    return now - run.startTime + run.accumulatedTime;
}
