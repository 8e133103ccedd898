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

bool ReachedSetCount(const RunState& run)
{
    return (run.stopAtCount && run.launchedCount >= run.setCount) || CountersFull(run);
}

double NowInDays()
{
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t seconds = system_clock::to_time_t(now);
    std::tm local{};
    // The same call under its two systems' names and argument orders.
#ifdef _WIN32
    localtime_s(&local, &seconds);
#else
    localtime_r(&seconds, &local);
#endif
    const sys_days localDate = year{local.tm_year + 1900} / (local.tm_mon + 1) / local.tm_mday;
    const auto localTime = localDate + hours{local.tm_hour} + minutes{local.tm_min} + std::chrono::seconds{local.tm_sec}
        + duration_cast<milliseconds>(now.time_since_epoch()) % std::chrono::seconds{1};
    return static_cast<double>(duration_cast<milliseconds>(localTime.time_since_epoch()).count()) / MillisecondsPerDay;
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
