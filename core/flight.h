#pragma once

#include "core/walls.h"

struct ParticleState;
struct Simulation;

// Flies a launched particle until it is absorbed, runs out of steps or has
// made its free-flight step past the detector plane.
void DriveParticle(Simulation& sim, ParticleState& particle);

// Steps the particle through the crossed fields by the closed-form motion.
// True when a plate, a slit jaw or the entry line absorbed it.
bool FieldPhase(Simulation& sim, ParticleState& particle);

// One straight step of 1e-8 s from the start of the last field step; true
// when it crosses the detector face, which counts the particle.
bool FreeFlightStep(Simulation& sim, ParticleState& particle);

// True when the particle's last step hit a wall of the set; the position
// then lies on the wall, and an absorbing set ends the flight.
bool TestWallSet(const WallTable& table, ParticleState& particle, WallSet set, bool absorbing);

// True when the last step crosses the wall; the position moves to the crossing point.
bool CrossesWall(ParticleState& particle, const WallSegment& wall);

bool CountDetection(Simulation& sim, ParticleState& particle);

inline constexpr int MaxFieldSteps = 1000;
inline constexpr double FreeFlightTime = 1e-8;   // s
