#pragma once

#include "core/walls.h"

struct ParticleState;
struct Simulation;

// How a flight ended.
enum class FlightOutcome {
    Absorbed,   // by a plate, a slit jaw or the entry line
    Detected,   // through the detector face, counted unless a reference particle
    Left,       // elsewhere: past the detector, out of steps, or never moving
};

// Flies a launched particle until it is absorbed, runs out of steps or has
// made its free-flight step past the detector plane.
FlightOutcome DriveParticle(Simulation& sim, ParticleState& particle);

// Steps the particle through the crossed fields by the closed-form motion.
// True when a plate, a slit jaw or the entry line absorbed it.
bool FieldPhase(Simulation& sim, ParticleState& particle);

// One straight step of 1e-8 s from the start of the last field step; a
// particle crossing the detector face is counted.
FlightOutcome FreeFlightStep(Simulation& sim, ParticleState& particle);

// True when the particle's last step hit a wall of the set; the position
// then lies on the wall, and an absorbing set ends the flight.
bool TestWallSet(const WallTable& table, ParticleState& particle, WallSet set, bool absorbing);

// True when the last step crosses the wall; the position moves to the crossing point.
bool CrossesWall(ParticleState& particle, const WallSegment& wall);

// A measured particle at the detector adds to the detected count; a reference particle does not.
void CountDetection(Simulation& sim, const ParticleState& particle);

inline constexpr int MaxFieldSteps = 1000;
inline constexpr double FreeFlightTime = 1e-8;   // s
