#include "core/particle.h"
#include "core/physics_constants.h"
#include "spectrum/sampler.h"
#include "tests/support/ready_simulation.h"
#include "tests/support/recording_view.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>

namespace {

TEST(Particle, RestEnergyBitPattern)
{
    EXPECT_EQ(std::bit_cast<std::uint64_t>(RestEnergy), 0x3D370B6E730EE30Bu);
}

TEST(Particle, RelativisticLaunchSpeeds)
{
    const ParticleState slow = LaunchedAt(0.05);
    EXPECT_NEAR(slow.Energy, 8.01088317e-15, 1e-23);
    EXPECT_NEAR(slow.Energy / RestEnergy + 1, 1.09785, 1e-5);
    EXPECT_NEAR(slow.Speed, 1.2372e8, 0.0001e8);
    EXPECT_NEAR(slow.Mass, 1.00007e-30, 0.00001e-30);
    EXPECT_EQ(slow.Vx, 0.0);
    EXPECT_EQ(slow.Vy, slow.Speed);
    EXPECT_EQ(slow.Vy0, slow.Speed);

    const ParticleState fast = LaunchedAt(0.156);
    EXPECT_NEAR(fast.Energy / RestEnergy + 1, 1.30528, 1e-5);
    EXPECT_NEAR(fast.Speed, 1.9268e8, 0.0001e8);
}

TEST(Particle, LaunchPointAndPixels)
{
    const ParticleState p = LaunchedAt(0.05);
    EXPECT_EQ(p.X, 0.0);
    EXPECT_EQ(p.Y, -0.05);
    EXPECT_EQ(p.X0, p.X);
    EXPECT_EQ(p.Y0, p.Y);
    EXPECT_EQ(p.PixelX, 200);
    EXPECT_EQ(p.PixelY, 200);
    EXPECT_EQ(p.PrevPixelX, p.PixelX);
    EXPECT_EQ(p.PrevPixelY, p.PixelY);
    EXPECT_EQ(p.T, 0.0);
}

TEST(Particle, TrackColourAlternatesByHundreds)
{
    EXPECT_EQ(TrackColour(99), 0x0000FFu);
    EXPECT_EQ(TrackColour(100), 0x8080FFu);
    EXPECT_EQ(TrackColour(199), 0x8080FFu);
    EXPECT_EQ(TrackColour(200), 0x0000FFu);
}

TEST(Particle, LaunchCountsAndShowsEveryParticle)
{
    auto sim = ReadySimulation();
    RecordingView view;
    sim->view = &view;
    FindSpectrumMax(sim->source);
    LaunchParticle(*sim, sim->MeasuredParticle, 0);
    LaunchParticle(*sim, sim->MeasuredParticle, 0);
    EXPECT_EQ(sim->run.launchedCount, 2);
    EXPECT_EQ(view.launched, (std::vector<std::int32_t>{1, 2}));
    EXPECT_TRUE(sim->MeasuredParticle.Alive);
    EXPECT_EQ(sim->MeasuredParticle.Phase, InFieldRegion);
    EXPECT_NEAR(sim->MeasuredParticle.Energy, 0.035654 * JoulesPerMeV, 1e-6 * JoulesPerMeV);

    // The colour follows the count with this particle in it: the hundredth is
    // the first light red one.
    sim->run.launchedCount = 99;
    LaunchParticle(*sim, sim->MeasuredParticle, 0);
    EXPECT_EQ(sim->MeasuredParticle.Colour, TrackLightRed);
}

TEST(Particle, LaunchStopsAtTheSetCount)
{
    auto sim = ReadySimulation();
    RecordingView view;
    sim->view = &view;
    sim->run.stopAtCount = true;
    sim->run.setCount = 5;
    sim->run.launchedCount = 5;
    sim->MeasuredParticle.Alive = true;
    sim->MeasuredParticle.Energy = 1.0;
    LaunchParticle(*sim, sim->MeasuredParticle, 7);
    EXPECT_FALSE(sim->MeasuredParticle.Alive);
    EXPECT_EQ(sim->MeasuredParticle.Id, 7);
    EXPECT_EQ(sim->MeasuredParticle.Energy, 1.0);
    EXPECT_EQ(sim->run.launchedCount, 5);
    EXPECT_TRUE(view.launched.empty());
    EXPECT_EQ(sim->random.value, 0u);
}

TEST(Particle, NothingIsLaunchedWithACounterFull)
{
    constexpr std::int32_t Largest = std::numeric_limits<std::int32_t>::max();
    auto sim = ReadySimulation();
    FindSpectrumMax(sim->source);
    sim->run.launchedCount = Largest;
    LaunchParticle(*sim, sim->MeasuredParticle, 0);
    EXPECT_FALSE(sim->MeasuredParticle.Alive);
    EXPECT_EQ(sim->run.launchedCount, Largest);

    sim->run.launchedCount = 0;
    sim->run.detectedCount = Largest;
    LaunchParticle(*sim, sim->MeasuredParticle, 0);
    EXPECT_FALSE(sim->MeasuredParticle.Alive);
    EXPECT_EQ(sim->run.launchedCount, 0);

    sim->run.detectedCount = Largest - 1;
    LaunchParticle(*sim, sim->MeasuredParticle, 0);
    EXPECT_TRUE(sim->MeasuredParticle.Alive);
    EXPECT_EQ(sim->run.launchedCount, 1);
}

}
