#pragma once

#include "spectrum/source_spectrum_record.h"

#include <cstddef>

// The rejection the sampler draws energies by: a candidate E uniform where
// candidates fall is accepted with probability min(max(S(E), 0), ceiling) /
// ceiling. What it lets through and the ceiling it measures against are
// found here, once for the sampler and for the density it draws from.

// Candidates below this energy, in MeV, are drawn again.
inline constexpr double SmallestCandidate = 1e-4;

// ∫ min(max(S, 0), ceiling) over the part of [lowerMeV, upperMeV] where
// candidates fall: what a rejection against that ceiling lets through, per MeV
// of candidates.
double AcceptedMass(const SourceSpectrum& source, double ceiling, double lowerMeV, double upperMeV);

// The same in the long double it is summed in, for a ratio of two such masses
// that must not be rounded twice.
long double AcceptedIntegral(const SourceSpectrum& source, long double ceiling, double lowerMeV, double upperMeV);

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

// The largest spline value on the grid of points spaced SampleStep apart
// across the sampling range.
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
// MaxTests tests, so below GivingUpRate more than MaterialClipping of its
// draws would be the 0 of giving up instead of an energy of the spectrum.
double AcceptanceRate(const SourceSpectrum& source);
inline constexpr int MaxTests = 10000;
inline constexpr double GivingUpRate = 9.21e-4;   // (1 − GivingUpRate)^MaxTests ≈ MaterialClipping
