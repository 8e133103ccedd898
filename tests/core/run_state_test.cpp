#include "core/filter_settings.h"
#include "core/run_state.h"

#include <gtest/gtest.h>

namespace {

constexpr double SecondsPerDay = 86400.0;

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
    run.accumulatedTime += 90 / SecondsPerDay;
    run.accumulatedTime += 30 / SecondsPerDay;
    EXPECT_EQ(ElapsedTimeText(run.accumulatedTime), "0:02:00");
}

TEST(RunState, ElapsedTimeTextShowsTheTimeOfDay)
{
    EXPECT_EQ(ElapsedTimeText(0.0), "0:00:00");
    EXPECT_EQ(ElapsedTimeText((3600 * 13 + 60 * 5 + 9) / SecondsPerDay), "13:05:09");
    EXPECT_EQ(ElapsedTimeText(1.0 + 61 / SecondsPerDay), "0:01:01");
    EXPECT_EQ(ElapsedTimeText(-1.0), "0:00:00");
}

TEST(RunState, MeasuringTimeRunsFromTheLastStart)
{
    RunState run;
    run.startTime = 100.0;
    run.accumulatedTime = 0.5;
    EXPECT_EQ(MeasuringTime(run, 100.25), 0.75);
    const double before = NowInDays();
    EXPECT_GE(NowInDays(), before);
}

}
