#include "spectrum/sampler.h"

#include "spectrum/drawn_density.h"

namespace {

constexpr int MaxTests = 10000;
// Candidates below the smallest energy or outside the spline are drawn again.
// A spectrum that covers no energy of the range would be searched for ever;
// no real source needs anywhere near this many redraws for one particle.
constexpr int MaxRedraws = 1000000;
constexpr int GridPoints = 1501;

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

void FindSpectrumMax(SourceSpectrum& source)
{
    source.SpectrumMax = SamplingCeiling(source);
}

double DrawEnergy(const SourceSpectrum& source, RandomState& random, double range)
{
    int redraws = 0;
    for (int tries = 1; tries <= MaxTests; ++tries) {
        double candidate;
        SplineValue v{0.0, false};
        while (!v.found) {
            candidate = static_cast<double>(RandomUniform(random) * range);
            if (candidate >= SmallestCandidate)
                v = EvalSpline(source.Segments, candidate);
            if (!v.found && ++redraws > MaxRedraws)
                return 0.0;
        }
        const double u = static_cast<double>(RandomUniform(random) * source.SpectrumMax);
        if (u <= v.value)
            return candidate;
    }
    return 0.0;
}
