#include "core/run_state.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <limits>

namespace {

constexpr double MillisecondsPerDay = 86400000.0;

}

bool CountersFull(const RunState& run)
{
    constexpr std::int32_t Largest = std::numeric_limits<std::int32_t>::max();
    return run.launchedCount == Largest || run.detectedCount == Largest;
}

double NowInDays()
{
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t seconds = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&seconds, &local);
    const auto sinceEpoch = duration_cast<milliseconds>(now.time_since_epoch()).count();
    const double localMilliseconds = static_cast<double>(sinceEpoch) + local.tm_gmtoff * 1000.0;
    return localMilliseconds / MillisecondsPerDay;
}

std::string ElapsedTimeText(double days)
{
    if (!(days > 0.0))
        days = 0.0;
    const double fraction = days - std::floor(days);
    const long long milliseconds = std::llround(fraction * MillisecondsPerDay);
    const long long seconds = milliseconds / 1000 % 86400;
    char text[16];
    std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", seconds / 3600, seconds / 60 % 60, seconds % 60);
    return text;
}

double MeasuringTime(const RunState& run, double now)
{
    return now - run.startTime + run.accumulatedTime;
}
