#include "core/pass_band.h"

#include "core/flight.h"
#include "core/particle.h"
#include "core/physics_constants.h"
#include "core/simulation.h"

namespace {

constexpr double FirstSearchStep = 1.680003966173184e-13;   // J, 2^20 eV
constexpr int TrialsPerEdge = 20;                            // the last step is 1 eV

// The reference flight at a kinetic energy in joules.
bool FlyReference(Simulation& sim, double energy)
{
    if (sim.filter.magneticField == 0.0)
        return true;
    ParticleState& reference = sim.ReferenceParticle;
    reference.Id = ReferenceId;
    reference.Alive = true;
    reference.Phase = InFieldRegion;
    reference.Energy = energy;
    PrepareLaunch(reference);
    return DriveParticle(sim, reference) == FlightOutcome::Detected;
}

}

bool LaunchReference(Simulation& sim, double energyMeV)
{
    return FlyReference(sim, energyMeV * JoulesPerMeV);
}

double FindPassEdge(Simulation& sim, bool upper)
{
    if (sim.filter.magneticField == 0.0)
        return NoFieldEdge;
    bool reached = false;
    double step = upper ? FirstSearchStep : -FirstSearchStep;
    double energy = sim.filter.tunedEnergy + step;
    for (int trial = 0; trial < TrialsPerEdge; ++trial) {
        // A trial at or below zero flies nothing and repeats the last verdict.
        if (energy > 0.0)
            reached = FlyReference(sim, energy);
        step = step / 2;
        if (reached)
            energy = energy + step;
        else
            energy = energy - step;
    }
    // Through electronvolts, as the edges have always been converted, so that
    // every readout keeps its last digit.
    return energy / JoulesPerEV / EVPerMeV;
}

void ForgetPassBand(PassBand& band)
{
    band.PassLower = NotComputed;
    band.PassUpper = 0.0;
}

bool BandKnown(const Simulation& sim)
{
    return sim.band.PassLower != NotComputed && sim.filter.magneticField != 0.0;
}

void UpdatePassBand(Simulation& sim)
{
    PassBand& band = sim.band;
    band.SearchedLower = FindPassEdge(sim, false);
    band.SearchedUpper = FindPassEdge(sim, true);
    band.PassLower = band.SearchedLower;
    band.PassUpper = band.SearchedUpper;
    const double endpoint = sim.source.EndpointEnergy;
    if (band.PassLower > endpoint)
        band.PassLower = endpoint;
    if (band.PassUpper > endpoint)
        band.PassUpper = endpoint;
    band.PassWidth = band.PassUpper - band.PassLower;
    ShowPassBand(sim);
}

void ShowPassBand(const Simulation& sim)
{
    if (!sim.view)
        return;
    if (BandKnown(sim))
        sim.view->ShowPassBand(sim.band);
    else
        sim.view->ShowPassBand(std::nullopt);
}
