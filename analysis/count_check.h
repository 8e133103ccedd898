#pragma once

#include "analysis/expected_count.h"

#include <cstdint>

struct Simulation;
struct SourceSpectrum;

// The last Start's setting as a saved picture's record keeps it: the filter
// itself, which an energy entered in keV would give again only to the bit it
// was typed with, and the slit.
struct StartSetting {
    double magneticFieldTesla = 0.0;
    double electricFieldVPerM = 0.0;
    double tunedEnergyJoules = 0.0;
    std::int32_t slitStep = 0;
};

// The simulation as the window had it at that Start, the band searched anew.
void SetUpStart(const StartSetting& setting, const SourceSpectrum& source, Simulation& sim);

// Without a magnetic field every launched particle reaches the detector, but
// Stop comes at a turn, just after a launch, and Continue launches anew: each
// turn may leave one launched particle that never reached it.
std::int32_t FewestDetectedWithoutField(std::int32_t launched);

// Five standard deviations, on either side: one honest picture in 1.7 million
// passes it. A count is judged by its exact binomial tail against the normal
// one of MaxPull, since a few expected counts have a far longer tail.
inline constexpr double MaxPull = 5.0;

// How a detected count stands against the count expected for the launched
// ones at the simulation's setting.
struct CountJudgement {
    bool plausible = true;
    double chance = 1.0;        // of a count at least this far out, on either side
    ExpectedCount expected;     // for the judged count only
};

CountJudgement JudgeDetectedCount(Simulation& sim, std::int64_t launched, std::int64_t detected);
