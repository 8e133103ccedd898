#include "core/measurement.h"
#include "core/parallel_run.h"
#include "tests/support/ready_simulation.h"

#include <gtest/gtest.h>

namespace {

struct Outcome {
    std::int32_t launched;
    std::int32_t detected;
    std::uint32_t randomState;
};

Outcome Measure(int threads, std::int32_t count, int slitStep = 0)
{
    auto sim = std::make_unique<Simulation>();
    SetUpSimulation(*sim, {50, 1000, slitStep});
    MeasureHeadless(*sim, count, threads);
    return {sim->run.launchedCount, sim->run.detectedCount, sim->random.value};
}

TEST(ParallelRun, CountsDoNotDependOnTheThreads)
{
    const Outcome single = Measure(1, 10000);
    EXPECT_EQ(single.detected, 677);
    for (int threads : {2, 3, 8}) {
        const Outcome shared = Measure(threads, 10000);
        EXPECT_EQ(shared.launched, 10000) << threads;
        EXPECT_EQ(shared.detected, single.detected) << threads;
        EXPECT_EQ(shared.randomState, single.randomState) << threads;
    }
}

TEST(ParallelRun, CountsAcrossManyBatches)
{
    const Outcome single = Measure(1, 50001, 7);
    const Outcome shared = Measure(2, 50001, 7);
    EXPECT_EQ(shared.detected, single.detected);
    EXPECT_EQ(shared.randomState, single.randomState);
}

TEST(ParallelRun, ProgressReachesTheCount)
{
    auto sim = std::make_unique<Simulation>();
    SetUpSimulation(*sim, {50, 1000, 0});
    std::int64_t last = 0;
    int calls = 0;
    MeasureHeadless(*sim, 20000, 2, [&](std::int64_t flown) {
        EXPECT_GT(flown, last);
        last = flown;
        ++calls;
    });
    EXPECT_EQ(last, 20000);
    EXPECT_GE(calls, 2);
}

TEST(ParallelRun, NothingToFlyAtTheSetCount)
{
    auto sim = ReadySimulation();
    sim->run.running = true;
    sim->run.setCount = 5;
    sim->run.launchedCount = 5;
    RunParticlesParallel(*sim, 2);
    EXPECT_FALSE(sim->run.running);
    EXPECT_EQ(sim->run.launchedCount, 5);
    EXPECT_EQ(sim->random.value, 0u);
}

}
