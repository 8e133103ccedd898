#include "unfolding/nonnegative_least_squares.h"

#include <algorithm>
#include <vector>

namespace {

// The least-squares solution with the bound variables held at zero.
Eigen::VectorXd SolveOnFree(const Eigen::MatrixXd& C, const Eigen::VectorXd& d, const std::vector<bool>& free)
{
    std::vector<Eigen::Index> columns;
    for (Eigen::Index i = 0; i < C.cols(); ++i) {
        if (free[static_cast<std::size_t>(i)])
            columns.push_back(i);
    }
    Eigen::VectorXd z = Eigen::VectorXd::Zero(C.cols());
    if (!columns.empty())
        z(columns) = C(Eigen::all, columns).colPivHouseholderQr().solve(d);
    return z;
}

// Moves from x towards the free solution as far as the bounds allow, binds
// the variables that reach zero, and repeats until the free solution itself
// is feasible. x stays feasible throughout.
void SettleFree(const Eigen::MatrixXd& C, const Eigen::VectorXd& d, std::vector<bool>& free, Eigen::VectorXd& x)
{
    while (true) {
        const Eigen::VectorXd z = SolveOnFree(C, d, free);
        double step = 1.0;
        Eigen::Index binding = -1;
        for (Eigen::Index i = 0; i < x.size(); ++i) {
            if (!free[static_cast<std::size_t>(i)] || z(i) > 0.0)
                continue;
            const double reach = x(i) > z(i) ? x(i) / (x(i) - z(i)) : 0.0;
            if (binding < 0 || reach < step) {
                step = std::min(step, reach);
                binding = i;
            }
        }
        if (binding < 0) {
            x = z;
            return;
        }
        x += step * (z - x);
        x(binding) = 0.0;
        for (Eigen::Index i = 0; i < x.size(); ++i) {
            if (free[static_cast<std::size_t>(i)] && x(i) <= 0.0) {
                free[static_cast<std::size_t>(i)] = false;
                x(i) = 0.0;
            }
        }
    }
}

}

Eigen::VectorXd NonNegativeLeastSquares(const Eigen::MatrixXd& C, const Eigen::VectorXd& d,
                                        const Eigen::VectorXd& guess)
{
    const Eigen::Index n = C.cols();
    std::vector<bool> free(static_cast<std::size_t>(n));
    for (Eigen::Index i = 0; i < n; ++i)
        free[static_cast<std::size_t>(i)] = guess(i) > 0.0;
    Eigen::VectorXd x = Eigen::VectorXd::Zero(n);
    SettleFree(C, d, free, x);

    const Eigen::VectorXd scale = C.transpose() * d;
    // A descent this small beside Cᵀd is rounding, not a direction.
    const double tolerance = 1e-10 * scale.cwiseAbs().maxCoeff();
    // Each step frees the bound variable of steepest descent; the bound never
    // lets a variable go back below zero, and 3n steps are far more than any
    // problem here needs.
    for (Eigen::Index step = 0; step < 3 * n; ++step) {
        const Eigen::VectorXd descent = C.transpose() * (d - C * x);
        Eigen::Index best = -1;
        for (Eigen::Index i = 0; i < n; ++i) {
            if (!free[static_cast<std::size_t>(i)] && descent(i) > tolerance
                && (best < 0 || descent(i) > descent(best)))
                best = i;
        }
        if (best < 0)
            break;
        free[static_cast<std::size_t>(best)] = true;
        SettleFree(C, d, free, x);
    }
    return x;
}
