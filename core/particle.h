#pragma once

#include "core/particle_state.h"

#include <cstdint>

struct Simulation;

inline constexpr std::int32_t ReferenceId = -99;

inline constexpr std::uint32_t TrackRed = 0x0000FF;
inline constexpr std::uint32_t TrackLightRed = 0x8080FF;

// Places a particle whose Energy is set at the launch point, moving straight
// down with the relativistic speed of that energy.
void PrepareLaunch(ParticleState& particle);

// The launch of a measured particle, the same in every particle loop: its
// energy in MeV is drawn from the source, one draw after another from the one
// random sequence, and the particle is put alive at the launch point, in the
// field region. The two steps stand apart so that flights shared among
// threads are drawn in order on one thread and placed where they fly.
double DrawLaunchEnergy(Simulation& sim);
void PlaceAtLaunch(ParticleState& particle, double energyMeV);

// Launches the next particle of a measurement, counted and shown. Once
// ReachedSetCount holds it launches nothing and leaves Alive false.
void LaunchParticle(Simulation& sim, ParticleState& particle, std::int32_t id);

std::uint32_t TrackColour(std::int32_t launchedCount);
