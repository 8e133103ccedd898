#pragma once

#include "core/pass_band_record.h"

#include <optional>
#include <string>

struct Simulation;

// How every view writes the band's readouts, so that the window, the command
// line and the pictures' records agree to the last digit.

inline constexpr const char* NotComputableText = "Nem számolható";

// A band edge or width in MeV as a readout: keV to the electronvolt,
// right-aligned in ten places ("    46.741").
std::string PassBandText(double megaElectronVolts);

// The three readouts of a band.
struct BandReadouts {
    std::string lower;
    std::string upper;
    std::string width;
};

// The band's readouts, or NotComputableText in each where there is no band.
BandReadouts BandReadoutsOf(const std::optional<PassBand>& band);

// The readouts of the simulation's band: NotComputableText unless it is known.
BandReadouts BandReadoutsOf(const Simulation& sim);
