#pragma once

struct Simulation;

// The energies the filter lets through to the detector, in MeV.
// PassLower = NotComputed marks a band not searched since the last Start.
struct PassBand {
    double PassLower = 0.0;
    double PassUpper = 0.0;
    double PassWidth = 0.0;
    // The edges as the search found them, before the readouts clamp them to
    // the endpoint: every energy between them reaches the detector, also those
    // the spline gives beyond the endpoint.
    double SearchedLower = 0.0;
    double SearchedUpper = 0.0;
};

inline constexpr double NotComputed = 1e12;
inline constexpr double NoFieldEdge = -9999.0;   // eV, the edge search without a magnetic field

// Flies the reference particle at a kinetic energy in joules, uncounted and
// undrawn; true when it reaches the detector. Without a magnetic field every
// energy passes, and nothing is flown.
bool LaunchReference(Simulation& sim, double energy);

// One edge of the band in eV, found by bisection from the tuned energy.
double FindPassEdge(Simulation& sim, bool upper);

// Marks the band as not searched, as Start does before its search.
void ForgetPassBand(PassBand& band);

// Whether the band has numbers to show: searched, and with a magnetic field.
bool BandKnown(const Simulation& sim);

// Searches both edges, clamps them to the source's endpoint and shows them.
void UpdatePassBand(Simulation& sim);

// Hands the view the band, or nothing when it is not known.
void ShowPassBand(const Simulation& sim);
