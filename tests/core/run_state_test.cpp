#include "core/filter_settings.h"
#include "core/run_state.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;

TEST(RunState, EverythingStartsAtZero)
{
    const RunState run;
    EXPECT_FALSE(run.running);
    EXPECT_FALSE(run.stopAtCount);
    EXPECT_EQ(run.setCount, 0);
    EXPECT_EQ(run.launchedCount, 0);
    EXPECT_EQ(run.detectedCount, 0);
    const FilterSettings filter;
    EXPECT_EQ(filter.magneticField, 0.0);
    EXPECT_EQ(filter.electricField, 0.0);
    EXPECT_EQ(filter.tunedEnergy, 0.0);
}

TEST(RunState, SegmentsAddUpToTheElapsedTime)
{
    RunState run;
    run.accumulatedTime += 90s;
    run.accumulatedTime += 30s;
    EXPECT_EQ(ElapsedTimeText(run.accumulatedTime), "0:02:00");
}

TEST(RunState, ElapsedTimeTextShowsTheTimeOfDay)
{
    EXPECT_EQ(ElapsedTimeText(0s), "0:00:00");
    EXPECT_EQ(ElapsedTimeText(13h + 5min + 9s + 999ms), "13:05:09");
    EXPECT_EQ(ElapsedTimeText(24h + 61s), "0:01:01");
    EXPECT_EQ(ElapsedTimeText(-1s), "0:00:00");
}

TEST(RunState, MeasuringTimeRunsFromTheLastStart)
{
    RunState run;
    run.startTime = RunClock::time_point(100s);
    run.accumulatedTime = 30s;
    EXPECT_EQ(MeasuringTime(run, RunClock::time_point(115s)), 45s);
}

}
