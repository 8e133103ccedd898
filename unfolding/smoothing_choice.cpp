#include "unfolding/smoothing_choice.h"

#include "unfolding/standard_form.h"

#include <cmath>
#include <limits>

namespace {

// λ is searched from far below the smallest singular value's square that
// matters to far above the largest one's, first on a ladder, then by
// golden section between the neighbours of its best rung.
constexpr double DecadesBelow = 16.0;
constexpr double DecadesAbove = 2.0;
constexpr int RungsPerDecade = 10;
constexpr int GoldenSteps = 40;
// The readings' worth of freedom a fit must leave to its residual.
constexpr double LeastFreedom = 1.0;

}

double CrossValidationScore(const StandardForm& problem, double lambda)
{
    const double m = problem.Readings();
    const double freedom = m - problem.Influence(lambda);
    // A fit that spends nearly every reading leaves GCV the ratio 0/0, whose
    // limit can undercut any real minimum; such a λ interpolates the noise.
    if (!(freedom >= LeastFreedom))
        return std::numeric_limits<double>::infinity();
    return m * problem.Residual(lambda) / (freedom * freedom);
}

double GeneralisedCrossValidation(const StandardForm& problem)
{
    const double top = 2.0 * std::log10(problem.LargestSingular());
    auto score = [&](double decade) { return CrossValidationScore(problem, std::pow(10.0, decade)); };

    const double lowest = top - DecadesBelow;
    double best = lowest;
    double bestScore = std::numeric_limits<double>::infinity();
    const int rungs = static_cast<int>((DecadesBelow + DecadesAbove) * RungsPerDecade);
    for (int rung = 0; rung <= rungs; ++rung) {
        const double decade = lowest + static_cast<double>(rung) / RungsPerDecade;
        const double value = score(decade);
        if (value < bestScore) {
            bestScore = value;
            best = decade;
        }
    }

    const double ratio = (std::sqrt(5.0) - 1.0) / 2.0;
    double a = best - 1.0 / RungsPerDecade;
    double b = best + 1.0 / RungsPerDecade;
    double c = b - ratio * (b - a);
    double d = a + ratio * (b - a);
    double scoreC = score(c);
    double scoreD = score(d);
    for (int step = 0; step < GoldenSteps; ++step) {
        if (scoreC < scoreD) {
            b = d;
            d = c;
            scoreD = scoreC;
            c = b - ratio * (b - a);
            scoreC = score(c);
        } else {
            a = c;
            c = d;
            scoreC = scoreD;
            d = a + ratio * (b - a);
            scoreD = score(d);
        }
    }
    return std::pow(10.0, (a + b) / 2);
}
