#pragma once

#include "spectrum/random_uniform.h"
#include "spectrum/source_spectrum.h"

// Candidates below this energy, in MeV, are drawn again.
inline constexpr double SmallestCandidate = 1e-4;

// The largest spline value on the grid of 1501 points spaced SampleStep apart.
double GridMaximum(const SourceSpectrum& source);

// The share of the drawn mass that the grid maximum would clip off a peak
// the grid steps over, against the spline's own maximum.
double ClippedShare(const SourceSpectrum& source);

// What the rejection measures candidates against: the grid maximum, unless
// that would clip off more than MaterialClipping of the mass; then the
// spline's own maximum, so that what is drawn is the spline's shape. Every
// spectrum shipped with the program clips far less, so its draws are those
// of the grid maximum.
inline constexpr double MaterialClipping = 1e-4;
double SamplingCeiling(const SourceSpectrum& source);

// The chance that one test accepts its candidate. DrawEnergy gives up after
// 10000 tests, so below GivingUpRate more than MaterialClipping of its draws
// would be the 0 of giving up instead of an energy of the spectrum.
double AcceptanceRate(const SourceSpectrum& source);
inline constexpr double GivingUpRate = 9.21e-4;   // (1 − 9.21e-4)^10000 ≈ 1e-4

// Sets SpectrumMax to the sampling ceiling.
void FindSpectrumMax(SourceSpectrum& source);

// Draws a kinetic energy in MeV from the spectrum by rejection against
// SpectrumMax, candidates uniform in [SmallestCandidate, range). Returns 0 when it gives up.
double DrawEnergy(const SourceSpectrum& source, RandomState& random, double range);
