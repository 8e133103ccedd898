#include "core/measurement.h"
#include "spectrum/sampler.h"
#include "tests/support/band_at_50kev.h"
#include "tests/support/ready_simulation.h"
#include "tests/support/recording_view.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

std::unique_ptr<Simulation> Measured(double keV, double microtesla, int slitStep, int count,
                                     MeasurementView* view = nullptr)
{
    auto sim = std::make_unique<Simulation>();
    SetUpSimulation(*sim, {keV, static_cast<std::int32_t>(microtesla), slitStep});
    sim->view = view;
    MeasureHeadless(*sim, count);
    return sim;
}

TEST(Measurement, TenThousandParticlesAt50keV)
{
    const auto sim = Measured(50, 1000, 0, 10000);
    EXPECT_EQ(sim->run.launchedCount, 10000);
    EXPECT_EQ(sim->run.detectedCount, 677);
    EXPECT_EQ(PassBandText(sim->band.PassLower), BandAt50KeV.lower);
    EXPECT_EQ(PassBandText(sim->band.PassUpper), BandAt50KeV.upper);
    EXPECT_EQ(PassBandText(sim->band.PassWidth), BandAt50KeV.width);
    EXPECT_FALSE(sim->run.running);
}

TEST(Measurement, SameSettingsSameCounts)
{
    const auto first = Measured(100, 1000, 10, 3000);
    const auto second = Measured(100, 1000, 10, 3000);
    EXPECT_EQ(first->run.detectedCount, second->run.detectedCount);
    EXPECT_EQ(first->random.value, second->random.value);
}

TEST(Measurement, ViewSeesEveryLaunchAndDetection)
{
    RecordingView view;
    view.tracksShown = false;
    const auto sim = Measured(50, 1000, 0, 1000, &view);
    EXPECT_EQ(view.launched.size(), 1000u);
    EXPECT_EQ(view.launched.back(), 1000);
    EXPECT_EQ(static_cast<int>(view.detected.size()), sim->run.detectedCount);
    EXPECT_EQ(view.readouts[2], BandAt50KeV.width);
    EXPECT_TRUE(view.pieces.empty());
}

TEST(Measurement, ExactlyTheSetCountIsFlown)
{
    const auto sim = Measured(50, 1000, 0, 1);
    EXPECT_EQ(sim->run.launchedCount, 1);
    EXPECT_FALSE(sim->MeasuredParticle.Alive);
    // The first particle of every run has the same energy.
    EXPECT_NEAR(sim->MeasuredParticle.Energy / JoulesPerMeV, 0.0055229, 5e-8);
}

TEST(Measurement, NothingIsLaunchedOnceTheSetCountIsReached)
{
    auto sim = ReadySimulation();
    sim->run.running = true;
    sim->run.stopAtCount = true;
    sim->run.setCount = 10;
    sim->run.launchedCount = 10;
    RunParticles(*sim);
    EXPECT_FALSE(sim->run.running);
    EXPECT_EQ(sim->run.launchedCount, 10);
}

// Stop adds the segment to the measuring time; Continue past the set count
// lifts the limit, and with a counter full refuses.
TEST(Measurement, StopAndContinue)
{
    using namespace std::chrono_literals;
    const RunClock::time_point start(1000s);
    RunState run{.running = true, .stopAtCount = true, .setCount = 10, .launchedCount = 4};
    run.startTime = start;
    run.accumulatedTime = 20s;
    StopMeasurement(run, start + 90s);
    EXPECT_FALSE(run.running);
    EXPECT_EQ(run.accumulatedTime, 110s);

    EXPECT_EQ(ContinueMeasurement(run, start + 100s), Continuation::Continued);
    EXPECT_TRUE(run.running && run.stopAtCount);
    EXPECT_EQ(run.startTime, start + 100s);

    run.launchedCount = 10;
    EXPECT_EQ(ContinueMeasurement(run, start + 100s), Continuation::ContinuedUnlimited);
    EXPECT_FALSE(run.stopAtCount);

    StopMeasurement(run, start + 130s);
    EXPECT_EQ(run.accumulatedTime, 140s);
    run.detectedCount = std::numeric_limits<std::int32_t>::max();
    EXPECT_EQ(ContinueMeasurement(run, start + 200s), Continuation::Refused);
    EXPECT_FALSE(run.running);
}

TEST(Measurement, AFullCounterEndsTheRun)
{
    auto sim = ReadySimulation();
    FindSpectrumMax(sim->source);
    sim->run.running = true;
    sim->run.launchedCount = std::numeric_limits<std::int32_t>::max() - 3;
    RunParticles(*sim);
    EXPECT_FALSE(sim->run.running);
    EXPECT_EQ(sim->run.launchedCount, std::numeric_limits<std::int32_t>::max());

    sim->run.running = true;
    sim->run.launchedCount = 0;
    sim->run.detectedCount = std::numeric_limits<std::int32_t>::max();
    RunParticles(*sim);
    EXPECT_FALSE(sim->run.running);
    EXPECT_EQ(sim->run.launchedCount, 0);
}

}

namespace {

// The window's way through the loop: a turn every thousand launched particles
// and once at the end, the set count handed to the caller, the detector kept
// across Starts when asked.
TEST(Measurement, CallbacksAtTurnsAndAtTheSetCount)
{
    auto sim = std::make_unique<Simulation>();
    SetUpSimulation(*sim, {50, 1000, 0});
    MeasureHeadless(*sim, 1000);
    const std::int32_t detectedBefore = sim->run.detectedCount;

    BeginMeasurement(*sim, {.setCount = 1500, .stopAtSetCount = false, .clearDetector = false}, RunClock::now());
    EXPECT_EQ(sim->run.launchedCount, 0);
    EXPECT_EQ(sim->run.detectedCount, detectedBefore);
    std::vector<std::int32_t> turns;
    RunParticles(*sim, {.setCountReached = [] { ADD_FAILURE() << "no set count without the stop"; },
                        .turn = [&] {
                            turns.push_back(sim->run.launchedCount);
                            if (sim->run.launchedCount >= 3000)
                                sim->run.running = false;
                        }});
    EXPECT_EQ(turns, (std::vector<std::int32_t>{1000, 2000, 3000, 3000}));
    EXPECT_GT(sim->run.detectedCount, detectedBefore);

    BeginMeasurement(*sim, {.setCount = 2500, .stopAtSetCount = true, .clearDetector = true}, RunClock::now());
    int reached = 0;
    RunParticles(*sim, {.setCountReached = [&] {
                            ++reached;
                            sim->run.running = false;
                        },
                        .turn = {}});
    EXPECT_EQ(reached, 1);
    EXPECT_EQ(sim->run.launchedCount, 2500);
}


// A view without an event loop flies a run in slices that end at turns: the
// particle waiting at a pause flies first when the run resumes, so the counts
// are those of the run that never paused.
TEST(Measurement, PausedAtEveryTurnTheCountsAreTheUnpausedRun)
{
    const auto whole = Measured(50, 1000, 0, 10000);

    auto sim = std::make_unique<Simulation>();
    SetUpSimulation(*sim, {50, 1000, 0});
    BeginMeasurement(*sim, {.setCount = 10000, .stopAtSetCount = true, .clearDetector = true}, RunClock::now());
    RunCallbacks sliced;
    sliced.pauseAtTurn = [] { return true; };
    int pauses = 0;
    for (RunEnd end = RunParticles(*sim, sliced); end == RunEnd::Paused; end = ResumeParticles(*sim, sliced)) {
        EXPECT_TRUE(sim->run.running);
        EXPECT_EQ(sim->run.launchedCount, (pauses + 1) * ParticlesPerTurn);
        ++pauses;
    }
    EXPECT_EQ(pauses, 10);
    EXPECT_FALSE(sim->run.running);
    EXPECT_EQ(sim->run.launchedCount, 10000);
    EXPECT_EQ(sim->run.detectedCount, 677);
    EXPECT_EQ(sim->random.value, whole->random.value);
}

}
