#pragma once

#include <cstdint>
#include <optional>

// One pass energy of a scan: what a Start at that energy counted, the band
// the filter let through, and the source's own intensity there.
struct ScanPoint {
    double energyKeV = 0.0;
    std::int32_t launched = 0;
    std::int32_t detected = 0;
    // The band in keV; absent when it cannot be computed (no magnetic field).
    std::optional<double> passLowerKeV;
    std::optional<double> passUpperKeV;
    std::optional<double> passWidthKeV;
    // Detected particles per keV of band width, and its Poisson error.
    std::optional<double> ratePerKeV;
    std::optional<double> rateErrorPerKeV;
    // The source spectrum's spline at the pass energy, and the same scaled to
    // the measured rates by least squares.
    double sourceIntensity = 0.0;
    double sourceScaled = 0.0;
    // The band as the search found it, before the readouts clamp it to the
    // endpoint: what the unfolding takes as the energies that pass.
    std::optional<double> responseLowerKeV;
    std::optional<double> responseUpperKeV;
    // The chance that one launched particle reaches the detector, from the
    // flights themselves; absent with the band.
    std::optional<double> detectionProbability;
    // What the source makes of it: the count to expect, and how many
    // binomial standard deviations the measured one lies from it.
    std::optional<double> expectedDetected;
    std::optional<double> pull;
    // Launched particles per keV of source energy at the pass energy, N·s(E):
    // the truth, and its estimate from the counts and bands alone.
    double truePerKeV = 0.0;
    std::optional<double> unfoldedPerKeV;
    std::optional<double> unfoldedErrorPerKeV;
    // Where the estimate's 95 % interval ends below and above it.
    std::optional<double> unfoldedLowerPerKeV;
    std::optional<double> unfoldedUpperPerKeV;
};
