#include "bench/coverage_limits.h"

#include <cmath>

namespace {

constexpr double Rarely = 1.0 / 500.0;
// Of the one-sided bound on the coverage that a full share leaves possible.
constexpr double BoundConfidence = 0.95;

// P(X < k) for X binomial with `runs` trials of probability 95 %.
double ChanceOfFewer(int runs, int k)
{
    double sum = 0.0;
    for (int i = 0; i < k; ++i) {
        const double logTerm = std::lgamma(runs + 1.0) - std::lgamma(i + 1.0) - std::lgamma(runs - i + 1.0)
            + i * std::log(NominalCoverage) + (runs - i) * std::log(1.0 - NominalCoverage);
        sum += std::exp(logTerm);
    }
    return sum;
}

int RareCount(int runs)
{
    int k = 0;
    while (k < runs && ChanceOfFewer(runs, k + 1) < Rarely)
        ++k;
    return k;
}

}

double RareShare(int runs)
{
    return runs > 0 ? static_cast<double>(RareCount(runs)) / runs : 0.0;
}

double ChanceBelowRareShare(int runs)
{
    return ChanceOfFewer(runs, RareCount(runs));
}

double LeastCoverageOfAFullShare(int runs)
{
    return runs > 0 ? std::pow(1.0 - BoundConfidence, 1.0 / runs) : 0.0;
}

double ShareDeviation(int runs)
{
    return runs > 0 ? std::sqrt(NominalCoverage * (1.0 - NominalCoverage) / runs) : 0.0;
}
