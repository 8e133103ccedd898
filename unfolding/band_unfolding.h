#pragma once

#include "unfolding/band_count.h"

#include <vector>

struct UnfoldedSpectrum {
    std::vector<double> density;   // per unit energy, at each energy asked for
    std::vector<double> error;     // one standard deviation of each, from the counts' noise
    // The 95 % interval of each: ± 1.96 standard deviations and the bias
    // still estimated, never below zero.
    std::vector<double> lower;
    std::vector<double> upper;
    double smoothing = 0.0;        // the penalty strength λ of the estimate
};

// Estimates the density the particles were drawn from out of the counts of
// overlapping bands, on [lowest, highest] (the energies that can be drawn at
// all; outside it the density is zero). The density is a broken line on a
// fine grid, the least-squares fit of the counts weighted by their binomial
// errors plus λ times its squared curvature, kept non-negative. The errors
// are those of the counts a first such fit expects, not of the counts
// themselves, which would give a band that counted low by chance the more
// weight, where counts are few.
//
// A λ chosen by generalised cross-validation fits well on average but
// flattens a peak or a steep edge by more than the noise there, so an
// interval about it misses the truth at such energies far more often than
// one run in twenty. The estimate is therefore made at a smaller λ: the
// penalty's bias at each energy is estimated from the cross-validated fit
// itself (three times corrected for its own bias), and λ is lowered until
// that bias is small beside the
// estimate's standard deviation everywhere. The interval adds the bias still
// estimated to ± 1.96 standard deviations. Needs counts whose bands, within
// [lowest, highest], are not all empty.
UnfoldedSpectrum UnfoldBands(const std::vector<BandCount>& counts, double lowest, double highest,
                             const std::vector<double>& energies);
