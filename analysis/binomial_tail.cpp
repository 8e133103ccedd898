#include "analysis/binomial_tail.h"

#include <algorithm>
#include <cmath>

namespace {

// log P(X = k) = log C(n, k) + k log p + (n − k) log(1 − p).
double LogTerm(std::int64_t n, std::int64_t k, double p)
{
    const double nn = static_cast<double>(n);
    const double kk = static_cast<double>(k);
    return std::lgamma(nn + 1.0) - std::lgamma(kk + 1.0) - std::lgamma(nn - kk + 1.0) + kk * std::log(p)
        + (nn - kk) * std::log1p(-p);
}

}

double TwoSidedBinomialTail(std::int64_t n, std::int64_t k, double p)
{
    if (k < 0 || k > n)
        return 0.0;
    if (p <= 0.0)
        return k == 0 ? 1.0 : 0.0;
    if (p >= 1.0)
        return k == n ? 1.0 : 0.0;
    // On k's side of the mean the terms fall from k outwards, so they are
    // summed relative to P(X = k), each from the last by the ratio of
    // neighbouring terms, until the rest cannot change the sum.
    const bool upward = static_cast<double>(k) >= static_cast<double>(n) * p;
    const double odds = p / (1.0 - p);
    double term = 1.0;
    double sum = 0.0;
    for (std::int64_t j = k; term > 1e-17 * sum;) {
        sum += term;
        if (upward) {
            if (j == n)
                break;
            term *= static_cast<double>(n - j) / static_cast<double>(j + 1) * odds;
            ++j;
        } else {
            if (j == 0)
                break;
            term *= static_cast<double>(j) / (static_cast<double>(n - j + 1) * odds);
            --j;
        }
    }
    return std::min(1.0, 2.0 * std::exp(LogTerm(n, k, p)) * sum);
}
