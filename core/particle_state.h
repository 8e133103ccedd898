#pragma once

#include <cstdint>

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
