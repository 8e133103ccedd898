#pragma once

#include <string>

// How every view writes the band's readouts, so that the window, the command
// line and the pictures' records agree to the last digit.

inline constexpr const char* NotComputableText = "Nem számolható";

// A band edge or width in MeV as a readout: keV to the electronvolt,
// right-aligned in ten places ("    46.741").
std::string PassBandText(double megaElectronVolts);
