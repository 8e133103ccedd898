#pragma once

#include "spectrum/source_spectrum.h"

#include <cstddef>

// The probability density the sampler draws energies from: the spline cut to
// [0, ceiling] as the rejection against SpectrumMax cuts it, wherever a
// candidate can fall (from SmallestCandidate to the sampling range, and
// covered by the spline), normalised to one. The ceiling is found here as the
// sampler finds it (SamplingCeiling), so SpectrumMax need not be set. A
// spectrum that is nowhere positive draws nothing and gives 0.

// The density at an energy, per MeV.
double DrawnDensity(const SourceSpectrum& source, double energyMeV);

// The chance that one drawn energy lies in [lowerMeV, upperMeV].
double DrawnProbability(const SourceSpectrum& source, double lowerMeV, double upperMeV);

// ∫ min(max(S, 0), ceiling) over the part of [lowerMeV, upperMeV] where
// candidates fall: what a rejection against that ceiling lets through, per MeV
// of candidates.
double AcceptedMass(const SourceSpectrum& source, double ceiling, double lowerMeV, double upperMeV);

// ∫ max(−S, 0) over the part of [lowerMeV, upperMeV] where candidates fall:
// what the rejection clips off where the spline swings below zero.
double NegativeMass(const SourceSpectrum& source, double lowerMeV, double upperMeV);

// The largest value of one piece where candidates fall, found on the piece
// itself, where a grid can step over a narrow peak; 0 when it is nowhere
// positive there.
double PieceMaximum(const SourceSpectrum& source, std::size_t piece);

// The largest of the pieces' maxima.
double SplineMaximum(const SourceSpectrum& source);

// How much of the sampling range the spline covers, in MeV: where one test's
// candidate is uniform.
double CoveredRange(const SourceSpectrum& source);
