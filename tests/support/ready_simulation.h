#pragma once

#include "core/measurement.h"
#include "core/particle.h"
#include "core/physics_constants.h"
#include "core/simulation.h"

#include <memory>

// A simulation as the window has it after its first activation.
inline std::unique_ptr<Simulation> ReadySimulation()
{
    auto sim = std::make_unique<Simulation>();
    SetUpSimulation(*sim, {});
    return sim;
}

// A measured particle of a given energy in MeV, launched as every particle is.
inline ParticleState LaunchedAt(double megaElectronVolts)
{
    ParticleState p{};
    p.Id = 0;
    p.Phase = InFieldRegion;
    p.Energy = megaElectronVolts * JoulesPerMeV;
    PrepareLaunch(p);
    p.Alive = true;
    p.Colour = TrackRed;
    return p;
}
