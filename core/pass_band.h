#pragma once

#include "core/pass_band_record.h"

struct Simulation;

inline constexpr double NoFieldEdge = -0.009999;   // the edge search without a magnetic field

// Flies the reference particle at a kinetic energy in MeV, placed as a
// measured particle of that energy is, uncounted and undrawn; true when it
// reaches the detector. Without a magnetic field every energy passes, and
// nothing is flown.
bool LaunchReference(Simulation& sim, double energyMeV);

// One edge of the band, found by bisection from the tuned energy.
double FindPassEdge(Simulation& sim, bool upper);

// Marks the band as not searched, as Start does before its search.
void ForgetPassBand(PassBand& band);

// Whether the band has numbers to show: searched, and with a magnetic field.
bool BandKnown(const Simulation& sim);

// Searches both edges, clamps them to the source's endpoint and shows them.
void UpdatePassBand(Simulation& sim);

// Hands the view the band, or nothing when it is not known.
void ShowPassBand(const Simulation& sim);
