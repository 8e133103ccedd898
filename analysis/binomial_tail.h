#pragma once

#include <cstdint>

// The chance that a binomial count of n trials at p lies at least as far from
// n·p as k does, on k's side, doubled (at most 1): the two-sided tail that
// judges a count where the normal approximation fails, a few expected counts
// or p at 0 or 1. A count no draw can give has chance 0.
double TwoSidedBinomialTail(std::int64_t n, std::int64_t k, double p);
