#include "spectrum/sampler.h"

namespace {

// Candidates below the smallest energy or outside the spline are drawn again.
// A spectrum that covers no energy of the range would be searched for ever;
// no real source needs anywhere near this many redraws for one particle.
constexpr int MaxRedraws = 1000000;

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
