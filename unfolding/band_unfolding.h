#pragma once

#include "unfolding/band_count.h"

#include <vector>

struct UnfoldedSpectrum {
    std::vector<double> density;   // per unit energy, at each energy asked for
    std::vector<double> error;     // one standard deviation of each
    // The 95 % interval of each, never below zero.
    std::vector<double> lower;
    std::vector<double> upper;
    double smoothing = 0.0;        // the penalty strength λ the data chose
};

// Estimates the density the particles were drawn from out of the counts of
// overlapping bands, on [lowest, highest] (the energies that can be drawn at
// all; outside it the density is zero). The density is a broken line on a
// fine grid, the least-squares fit of the counts weighted by their binomial
// errors plus λ times its squared curvature, with λ chosen by generalised
// cross-validation and the fit kept non-negative. The errors are those of the
// Bayesian reading of the penalised fit (Wahba's intervals): the counts'
// binomial variances propagated together with the smoothness prior that the
// penalty at that λ stands for, so that they also cover the smoothing's bias
// on average. Needs counts whose bands, within [lowest, highest], are not all
// empty.
UnfoldedSpectrum UnfoldBands(const std::vector<BandCount>& counts, double lowest, double highest,
                             const std::vector<double>& energies);
