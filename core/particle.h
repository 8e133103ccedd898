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

// Puts a measured particle of a source energy in MeV at the launch point, in
// the field region; a launch and a flight shared among threads both start so.
void PlaceAtLaunch(ParticleState& particle, double energyMeV);

// Launches the next particle of a measurement with an energy drawn from the
// source. At the set count, or with a counter full, it launches nothing and
// leaves Alive false.
void LaunchParticle(Simulation& sim, ParticleState& particle, std::int32_t id, bool fly);

std::uint32_t TrackColour(std::int32_t launchedCount);
