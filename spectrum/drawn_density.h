#pragma once

#include "spectrum/source_spectrum.h"

// The probability density the sampler draws energies from: the spline cut to
// [0, ceiling] as the rejection against SpectrumMax cuts it, wherever a
// candidate can fall (from SmallestCandidate to the sampling range, and
// covered by the spline), normalised to one. The ceiling is found as the
// sampler finds it (SamplingCeiling), so SpectrumMax need not be set. A
// spectrum that is nowhere positive draws nothing and gives 0.

// The density at an energy, per MeV.
double DrawnDensity(const SourceSpectrum& source, double energyMeV);

// The chance that one drawn energy lies in [lowerMeV, upperMeV].
double DrawnProbability(const SourceSpectrum& source, double lowerMeV, double upperMeV);
