#pragma once

#include <cstdint>

struct Simulation;

inline constexpr std::int32_t ReferenceId = -99;

inline constexpr std::uint32_t TrackRed = 0x0000FF;
inline constexpr std::uint32_t TrackLightRed = 0x8080FF;

enum FlightPhase : std::int32_t {
    InFieldRegion = 1,
    InFreeFlight = 2,
};

// One electron from launch to its end. Lengths in metres, times in seconds,
// energy in joules, velocities in m/s, pixels of the apparatus picture.
struct ParticleState {
    std::int32_t Id;
    double Energy;
    double X;
    double Y;
    double X0;
    double Y0;
    double T;        // time of the last completed field step
    double PrevX;    // start of the last field step
    double PrevY;
    double Speed;
    double Vx;
    double Vy;
    double Vx0;
    double Vy0;
    std::int32_t PixelX;
    std::int32_t PixelY;
    std::int32_t PrevPixelX;   // where the next track piece starts
    std::int32_t PrevPixelY;
    double Mass;     // relativistic mass at launch, kg; the motion uses the rest mass
    std::int32_t Phase;
    bool Alive;
    std::uint32_t Colour;   // 0x00BBGGRR; 0 draws no track
};

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
