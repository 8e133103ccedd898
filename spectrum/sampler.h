#pragma once

#include "spectrum/random_uniform.h"
#include "spectrum/source_spectrum.h"

// Sets SpectrumMax to the largest spline value on the grid of 1501 points
// spaced SampleStep apart.
void FindSpectrumMax(SourceSpectrum& source);

// Draws a kinetic energy in MeV from the spectrum by rejection against
// SpectrumMax, candidates uniform in [1e-4, range). Returns 0 when it gives up.
double DrawEnergy(const SourceSpectrum& source, RandomState& random, double range);
