#include "spectrum/local_spline.h"

#include <Eigen/Dense>

#include <cstddef>

namespace {

using Vector = Eigen::Matrix<long double, Eigen::Dynamic, 1>;
using Matrix = Eigen::Matrix<long double, Eigen::Dynamic, Eigen::Dynamic>;

// The slope at every knot: the given ends, and between them the equations
// that join the curvatures of neighbouring pieces,
// h[k]·s[k−1] + 2(h[k−1] + h[k])·s[k] + h[k−1]·s[k+1] = 3(h[k]·δ[k−1] + h[k−1]·δ[k]),
// with h the knot spacings and δ the secant slopes.
Vector KnotSlopes(const TPoints& knots, long double startSlope, long double endSlope)
{
    const Eigen::Index n = static_cast<Eigen::Index>(knots.size());
    const auto h = [&](Eigen::Index i) { return static_cast<long double>(knots[i + 1].x) - knots[i].x; };
    const auto delta = [&](Eigen::Index i) { return (static_cast<long double>(knots[i + 1].y) - knots[i].y) / h(i); };

    Matrix system = Matrix::Zero(n, n);
    Vector right = Vector::Zero(n);
    system(0, 0) = 1;
    right(0) = startSlope;
    system(n - 1, n - 1) = 1;
    right(n - 1) = endSlope;
    for (Eigen::Index k = 1; k + 1 < n; ++k) {
        system(k, k - 1) = h(k);
        system(k, k) = 2 * (h(k - 1) + h(k));
        system(k, k + 1) = h(k - 1);
        right(k) = 3 * (h(k) * delta(k - 1) + h(k - 1) * delta(k));
    }
    return system.partialPivLu().solve(right);
}

}

TResult BuildLocalSpline(const TPoints& knots, double startSlope, double endSlope)
{
    const std::size_t n = knots.size();
    if (n < 2)
        return {};
    const Vector slope = KnotSlopes(knots, startSlope, endSlope);

    TResult spline;
    spline.reserve(n - 1);
    for (std::size_t i = 0; i + 1 < n; ++i) {
        const Eigen::Index k = static_cast<Eigen::Index>(i);
        // y0 + s0·t + c2·t² + c3·t³ with t = x − x0 on [x0, x0 + h].
        const long double x0 = knots[i].x;
        const long double y0 = knots[i].y;
        const long double h = static_cast<long double>(knots[i + 1].x) - x0;
        const long double secant = (static_cast<long double>(knots[i + 1].y) - y0) / h;
        const long double s0 = slope(k);
        const long double s1 = slope(k + 1);
        const long double c2 = (3 * secant - 2 * s0 - s1) / h;
        const long double c3 = (s0 + s1 - 2 * secant) / (h * h);
        spline.push_back({c3, c2 - 3 * c3 * x0, s0 - 2 * c2 * x0 + 3 * c3 * x0 * x0,
                          y0 - s0 * x0 + c2 * x0 * x0 - c3 * x0 * x0 * x0, knots[i].x, knots[i + 1].x});
    }
    return spline;
}
