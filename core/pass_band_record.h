#pragma once

// Energies in core are in MeV, the unit of the source tables, wherever they
// are kept or handed on. Two edges differ: the energy entry takes keV, as the
// user types it (core/settings_rules.h), and the flight computes in joules, as
// every other quantity it has is SI, so its own state (a particle's energy,
// the filter's tuned energy) is in joules, converted where an energy enters
// it (the energy entry, a particle's launch, a reference flight) and where an
// edge leaves it. Moving either would change the last bit of the tuned field,
// which every count follows.

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
