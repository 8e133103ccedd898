#include "core/particle.h"

#include "core/anchors.h"
#include "core/physics_constants.h"
#include "core/simulation.h"
#include "core/walls.h"
#include "spectrum/sampler.h"

#include <cmath>

void PrepareLaunch(ParticleState& p)
{
    p.X = 0.0;
    p.Y = LaunchY();
    p.PrevX = p.X;
    p.PrevY = p.Y;
    // The launch point is drawn on the picture's grid; the steps add one pixel on y.
    p.PixelX = PixelXOf(p.X);
    p.PixelY = PixelYOf(p.Y);
    p.PrevPixelX = p.PixelX;
    p.PrevPixelY = p.PixelY;
    p.Mass = p.Energy / SpeedOfLightSquared + ElectronMass;
    const double inverseGamma = 1.0 / (p.Energy / RestEnergy + 1.0);
    p.Speed = SpeedOfLight * std::sqrt(1.0 - inverseGamma * inverseGamma);
    p.Vx = 0.0;
    p.Vy = p.Speed;
    p.X0 = p.X;
    p.Y0 = p.Y;
    p.Vx0 = p.Vx;
    p.Vy0 = p.Vy;
    p.T = 0.0;
}

std::uint32_t TrackColour(std::int32_t launchedCount)
{
    return (launchedCount / 100) % 2 != 0 ? TrackLightRed : TrackRed;
}

double DrawLaunchEnergy(Simulation& sim)
{
    return DrawEnergy(sim.source, sim.random, sim.source.SampleRange);
}

void PlaceAtLaunch(ParticleState& p, double energyMeV)
{
    p.Phase = InFieldRegion;
    p.Energy = energyMeV * JoulesPerMeV;
    PrepareLaunch(p);
    p.Alive = true;
}

void LaunchParticle(Simulation& sim, ParticleState& p, std::int32_t id)
{
    RunState& run = sim.run;
    p.Id = id;
    if (ReachedSetCount(run)) {
        p.Alive = false;
        return;
    }
    PlaceAtLaunch(p, DrawLaunchEnergy(sim));
    ++run.launchedCount;
    p.Colour = TrackColour(run.launchedCount);
    if (sim.view)
        sim.view->ShowLaunched(run);
}
