#pragma once

#include <vector>

// A clamped cubic spline whose pieces are polynomials in the absolute abscissa,
// a·x³ + b·x² + c·x + d, solved as one dense system.

struct Knot {
    double x;
    double y;
};

using TPoints = std::vector<Knot>;

struct SplineSegment {
    long double a;
    long double b;
    long double c;
    long double d;
    long double lower;   // x of the piece's first knot
    long double upper;   // x of the piece's last knot
};

using TResult = std::vector<SplineSegment>;
using TMatrix = std::vector<std::vector<double>>;

struct SplineValue {
    double value;
    bool found;   // some segment covers the abscissa
};

// Needs at least two knots; the caller refuses shorter lists.
TResult BuildSpline(const TPoints& knots, double startSlope, double endSlope);

SplineValue EvalSpline(const TResult& spline, double x);

// One piece's polynomial at x, at extended precision.
long double SegmentValue(const SplineSegment& segment, double x);

// Gauss-Jordan elimination in place, taking the first nonzero entry as pivot.
void SolveLinear(TMatrix& matrix);
