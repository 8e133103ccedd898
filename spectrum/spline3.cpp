#include "spectrum/spline3.h"

#include <cstddef>
#include <utility>

namespace {

// Every entry is updated at extended precision and kept as a double.
double Reduced(double entry, double factor, double pivotRowEntry)
{
    return static_cast<double>(static_cast<long double>(entry)
                               - static_cast<long double>(factor) * pivotRowEntry);
}

}

void SolveLinear(TMatrix& m)
{
    const std::size_t rows = m.size();
    if (rows == 0)
        return;
    const std::size_t columns = m[0].size();
    std::size_t q = 0;
    for (std::size_t r = 0; r < rows; ++r) {
        if (q >= columns)
            return;
        std::size_t k = r;
        while (m[k][q] == 0.0) {
            ++k;
            if (k == rows) {
                k = r;
                ++q;
                if (q == columns)
                    return;
            }
        }
        if (k != r)
            std::swap(m[k], m[r]);

        const long double pivot = m[r][q];
        for (double& entry : m[r])
            entry = static_cast<double>(entry / pivot);

        for (std::size_t i = 0; i < rows; ++i) {
            const double factor = m[i][q];
            // A zero factor leaves the row exactly as it is.
            if (i == r || factor == 0.0)
                continue;
            for (std::size_t j = 0; j < columns; ++j)
                m[i][j] = Reduced(m[i][j], factor, m[r][j]);
        }
        ++q;
    }
}

TResult BuildSpline(const TPoints& knots, double startSlope, double endSlope)
{
    const std::size_t n = knots.size();
    if (n < 2)
        return {};
    const std::size_t m = 4 * (n - 1);
    TMatrix matrix(m, std::vector<double>(m + 1, 0.0));
    const std::size_t rhs = m;

    auto putValueRow = [&](std::size_t row, std::size_t segment, const Knot& knot) {
        const double x = knot.x;
        double* cells = &matrix[row][4 * segment];
        cells[0] = (x * x) * x;
        cells[1] = x * x;
        cells[2] = x;
        cells[3] = 1.0;
        matrix[row][rhs] = knot.y;
    };
    auto putSlope = [&](std::size_t row, std::size_t segment, double x, double sign) {
        double* cells = &matrix[row][4 * segment];
        cells[0] = (x * x) * (3.0 * sign);
        cells[1] = (2.0 * sign) * x;
        cells[2] = sign;
    };
    auto putCurvature = [&](std::size_t row, std::size_t segment, double x, double sign) {
        double* cells = &matrix[row][4 * segment];
        cells[0] = (6.0 * sign) * x;
        cells[1] = 2.0 * sign;
    };

    for (std::size_t i = 0; i + 1 < n; ++i) {
        putValueRow(2 * i, i, knots[i]);
        putValueRow(2 * i + 1, i, knots[i + 1]);
    }
    const std::size_t slopeRows = 2 * (n - 1);
    const std::size_t curvatureRows = slopeRows + (n - 2);
    for (std::size_t k = 1; k + 1 < n; ++k) {
        putSlope(slopeRows + k - 1, k - 1, knots[k].x, 1.0);
        putSlope(slopeRows + k - 1, k, knots[k].x, -1.0);
        putCurvature(curvatureRows + k - 1, k - 1, knots[k].x, 1.0);
        putCurvature(curvatureRows + k - 1, k, knots[k].x, -1.0);
    }
    putSlope(m - 2, 0, knots.front().x, 1.0);
    matrix[m - 2][rhs] = startSlope;
    putSlope(m - 1, n - 2, knots.back().x, 1.0);
    matrix[m - 1][rhs] = endSlope;

    SolveLinear(matrix);

    TResult spline;
    spline.reserve(n - 1);
    for (std::size_t i = 0; i + 1 < n; ++i) {
        spline.push_back({matrix[4 * i][rhs], matrix[4 * i + 1][rhs], matrix[4 * i + 2][rhs],
                          matrix[4 * i + 3][rhs], knots[i].x, knots[i + 1].x});
    }
    return spline;
}

SplineValue EvalSpline(const TResult& spline, double x)
{
    const long double t = x;
    for (const SplineSegment& s : spline) {
        // Segments below x are the ones passed over, and they fail on their upper end.
        if (t <= s.upper && s.lower <= t)
            return {static_cast<double>(SegmentValue(s, x)), true};
    }
    return {0.0, false};
}

long double SegmentValue(const SplineSegment& s, double x)
{
    const long double t = x;
    return ((t * t) * (s.a * t) + (t * t) * s.b) + s.c * t + s.d;
}
