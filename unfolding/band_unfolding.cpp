#include "unfolding/band_unfolding.h"

#include "unfolding/box_response.h"
#include "unfolding/nonnegative_least_squares.h"
#include "unfolding/smoothing_choice.h"
#include "unfolding/standard_form.h"

#include <algorithm>
#include <cmath>

namespace {

// Fine enough that a broken line follows any spectrum the bands can resolve.
constexpr int GridNodes = 121;

NodeGrid GridOver(const std::vector<BandCount>& counts, double lowest, double highest)
{
    double lower = highest;
    double upper = lowest;
    for (const BandCount& count : counts) {
        lower = std::min(lower, count.lower);
        upper = std::max(upper, count.upper);
    }
    return {std::max(lower, lowest), std::min(upper, highest), GridNodes};
}

// A count's binomial standard deviation as a fraction of the launched
// particles; the half count keeps an empty or full band from weighing infinitely.
double FractionError(const BandCount& count)
{
    const double p = (count.detected + 0.5) / (count.launched + 1.0);
    return std::sqrt(p * (1.0 - p) / count.launched);
}

}

UnfoldedSpectrum UnfoldBands(const std::vector<BandCount>& counts, double lowest, double highest,
                             const std::vector<double>& energies)
{
    const NodeGrid grid = GridOver(counts, lowest, highest);
    // Each reading divided by its error, so that all have unit variance.
    Eigen::MatrixXd B = BoxResponse(grid, counts);
    Eigen::VectorXd z(B.rows());
    for (Eigen::Index i = 0; i < B.rows(); ++i) {
        const BandCount& count = counts[static_cast<std::size_t>(i)];
        const double error = FractionError(count);
        B.row(i) /= error;
        z(i) = count.detected / count.launched / error;
    }
    const Eigen::MatrixXd L = Curvature(grid);
    const StandardForm problem(B, z, L);

    UnfoldedSpectrum result;
    result.smoothing = GeneralisedCrossValidation(problem);
    const Eigen::MatrixXd spread = problem.PosteriorFactor(result.smoothing);

    Eigen::MatrixXd stacked(B.rows() + L.rows(), B.cols());
    stacked << B, std::sqrt(result.smoothing) * L;
    Eigen::VectorXd target = Eigen::VectorXd::Zero(stacked.rows());
    target.head(z.size()) = z;
    const Eigen::VectorXd nodes = NonNegativeLeastSquares(stacked, target, problem.Solution(result.smoothing));

    // A value read through interpolation weights g has the variance ‖g F‖².
    for (const double energy : energies) {
        const Eigen::RowVectorXd weights = Interpolation(grid, energy);
        result.density.push_back(weights * nodes);
        result.error.push_back((weights * spread).norm());
        result.lower.push_back(std::max(0.0, result.density.back() - 1.96 * result.error.back()));
        result.upper.push_back(result.density.back() + 1.96 * result.error.back());
    }
    return result;
}
