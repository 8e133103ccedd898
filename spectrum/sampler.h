#pragma once

#include "spectrum/random_uniform.h"
#include "spectrum/source_spectrum.h"

// Candidates below this energy, in MeV, are drawn again.
inline constexpr double SmallestCandidate = 1e-4;

// The largest spline value on the grid of 1501 points spaced SampleStep apart.
double GridMaximum(const SourceSpectrum& source);

// Sets SpectrumMax to the grid maximum.
void FindSpectrumMax(SourceSpectrum& source);

// Draws a kinetic energy in MeV from the spectrum by rejection against
// SpectrumMax, candidates uniform in [SmallestCandidate, range). Returns 0 when it gives up.
double DrawEnergy(const SourceSpectrum& source, RandomState& random, double range);
