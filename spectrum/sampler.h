#pragma once

#include "spectrum/acceptance_ceiling.h"
#include "spectrum/random_uniform.h"
#include "spectrum/source_spectrum.h"

// Sets SpectrumMax to the sampling ceiling.
void FindSpectrumMax(SourceSpectrum& source);

// Draws a kinetic energy in MeV from the spectrum by rejection against
// SpectrumMax, candidates uniform in [SmallestCandidate, range). Returns 0 when it gives up.
double DrawEnergy(const SourceSpectrum& source, RandomState& random, double range);
