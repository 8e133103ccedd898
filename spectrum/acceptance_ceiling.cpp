#include "spectrum/acceptance_ceiling.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace {

constexpr int GridPoints = 1501;

// The sampler accepts a candidate E with probability min(max(S(E), 0), Smax) / Smax.
long double Accepted(const SplineSegment& piece, double energy, long double ceiling)
{
    return std::clamp(SegmentValue(piece, energy), 0.0L, ceiling);
}

// The real roots of S'(E) = 3aE² + 2bE + c inside (lower, upper): between
// them the piece is monotone.
std::vector<double> TurningPoints(const SplineSegment& piece, double lower, double upper)
{
    const long double a = 3 * piece.a;
    const long double b = 2 * piece.b;
    const long double c = piece.c;
    std::vector<long double> roots;
    if (a == 0.0L) {
        if (b != 0.0L)
            roots.push_back(-c / b);
    } else {
        const long double discriminant = b * b - 4 * a * c;
        if (discriminant >= 0.0L) {
            // The two roots from the one formula that does not subtract nearly equal numbers.
            const long double q = -(b + std::copysign(std::sqrt(discriminant), b)) / 2;
            roots.push_back(q / a);
            if (q != 0.0L)
                roots.push_back(c / q);
        }
    }
    std::vector<double> inside;
    for (long double root : roots) {
        if (root > lower && root < upper)
            inside.push_back(static_cast<double>(root));
    }
    return inside;
}

// Where the monotone piece crosses a level on (lower, upper), by bisection.
void AddCrossing(const SplineSegment& piece, double lower, double upper, long double level,
                 std::vector<double>& cuts)
{
    const bool lowerBelow = SegmentValue(piece, lower) < level;
    if (lowerBelow == (SegmentValue(piece, upper) < level))
        return;
    while (true) {
        const double middle = lower + (upper - lower) / 2;
        if (middle <= lower || middle >= upper)
            break;
        if ((SegmentValue(piece, middle) < level) == lowerBelow)
            lower = middle;
        else
            upper = middle;
    }
    cuts.push_back(lower);
}

// ∫ min(max(S, 0), ceiling) over [lower, upper] within one piece: cut where S
// crosses 0 or the ceiling, then each part is 0, the ceiling, or the cubic
// itself, which two-point Gauss-Legendre integrates exactly.
long double PieceIntegral(const SplineSegment& piece, double lower, double upper, long double ceiling)
{
    std::vector<double> turns = TurningPoints(piece, lower, upper);
    std::sort(turns.begin(), turns.end());
    turns.insert(turns.begin(), lower);
    turns.push_back(upper);
    std::vector<double> cuts = turns;
    for (std::size_t i = 0; i + 1 < turns.size(); ++i) {
        AddCrossing(piece, turns[i], turns[i + 1], 0.0L, cuts);
        AddCrossing(piece, turns[i], turns[i + 1], ceiling, cuts);
    }
    std::sort(cuts.begin(), cuts.end());

    const long double gaussOffset = 0.5L / std::sqrt(3.0L);
    long double integral = 0.0L;
    for (std::size_t i = 0; i + 1 < cuts.size(); ++i) {
        const long double width = static_cast<long double>(cuts[i + 1]) - cuts[i];
        const long double middle = cuts[i] + width / 2;
        const long double value = SegmentValue(piece, static_cast<double>(middle));
        if (value <= 0.0L)
            continue;
        if (value >= ceiling) {
            integral += ceiling * width;
            continue;
        }
        integral += width / 2
            * (Accepted(piece, static_cast<double>(middle - gaussOffset * width), ceiling)
               + Accepted(piece, static_cast<double>(middle + gaussOffset * width), ceiling));
    }
    return integral;
}

}

long double AcceptedIntegral(const SourceSpectrum& source, long double ceiling, double lower, double upper)
{
    lower = std::max(lower, SmallestCandidate);
    upper = std::min(upper, source.SampleRange);
    long double integral = 0.0L;
    for (const SplineSegment& piece : source.Segments) {
        const double from = std::max(lower, static_cast<double>(piece.lower));
        const double to = std::min(upper, static_cast<double>(piece.upper));
        if (from < to)
            integral += PieceIntegral(piece, from, to, ceiling);
    }
    return integral;
}

double AcceptedMass(const SourceSpectrum& source, double ceiling, double lowerMeV, double upperMeV)
{
    if (!(lowerMeV < upperMeV) || !(ceiling > 0.0))
        return 0.0;
    return static_cast<double>(AcceptedIntegral(source, ceiling, lowerMeV, upperMeV));
}

double NegativeMass(const SourceSpectrum& source, double lowerMeV, double upperMeV)
{
    lowerMeV = std::max(lowerMeV, SmallestCandidate);
    upperMeV = std::min(upperMeV, source.SampleRange);
    long double mass = 0.0L;
    for (const SplineSegment& piece : source.Segments) {
        const double from = std::max(lowerMeV, static_cast<double>(piece.lower));
        const double to = std::min(upperMeV, static_cast<double>(piece.upper));
        if (from < to) {
            const SplineSegment mirrored{-piece.a, -piece.b, -piece.c, -piece.d, piece.lower, piece.upper};
            mass += PieceIntegral(mirrored, from, to, std::numeric_limits<long double>::infinity());
        }
    }
    return static_cast<double>(mass);
}

double PieceMaximum(const SourceSpectrum& source, std::size_t index)
{
    const SplineSegment& piece = source.Segments.at(index);
    const double from = std::max(SmallestCandidate, static_cast<double>(piece.lower));
    const double to = std::min(source.SampleRange, static_cast<double>(piece.upper));
    if (!(from < to))
        return 0.0;
    std::vector<double> places = TurningPoints(piece, from, to);
    places.push_back(from);
    places.push_back(to);
    long double maximum = 0.0L;
    for (const double x : places)
        maximum = std::max(maximum, SegmentValue(piece, x));
    return static_cast<double>(maximum);
}

double SplineMaximum(const SourceSpectrum& source)
{
    double maximum = 0.0;
    for (std::size_t i = 0; i < source.Segments.size(); ++i)
        maximum = std::max(maximum, PieceMaximum(source, i));
    return maximum;
}

double CoveredRange(const SourceSpectrum& source)
{
    double covered = 0.0;
    for (const SplineSegment& piece : source.Segments) {
        const double from = std::max(SmallestCandidate, static_cast<double>(piece.lower));
        const double to = std::min(source.SampleRange, static_cast<double>(piece.upper));
        covered += std::max(0.0, to - from);
    }
    return covered;
}

double GridMaximum(const SourceSpectrum& source)
{
    double maximum = 0.0;
    for (int i = 0; i < GridPoints; ++i) {
        const double x = i * source.SampleStep;
        const SplineValue v = EvalSpline(source.Segments, x);
        if (v.found && v.value > maximum)
            maximum = v.value;
    }
    return maximum;
}

double ClippedShare(const SourceSpectrum& source)
{
    const double top = SplineMaximum(source);
    const double grid = GridMaximum(source);
    if (!(top > grid))
        return 0.0;
    const double whole = AcceptedMass(source, top, SmallestCandidate, source.SampleRange);
    if (!(whole > 0.0))
        return 0.0;
    return (whole - AcceptedMass(source, grid, SmallestCandidate, source.SampleRange)) / whole;
}

double SamplingCeiling(const SourceSpectrum& source)
{
    return ClippedShare(source) > MaterialClipping ? SplineMaximum(source) : GridMaximum(source);
}

double AcceptanceRate(const SourceSpectrum& source)
{
    const double ceiling = SamplingCeiling(source);
    const double covered = CoveredRange(source);
    if (!(ceiling > 0.0) || !(covered > 0.0))
        return 0.0;
    return AcceptedMass(source, ceiling, SmallestCandidate, source.SampleRange) / (ceiling * covered);
}
