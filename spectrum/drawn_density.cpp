#include "spectrum/drawn_density.h"

#include "spectrum/acceptance_ceiling.h"

#include <algorithm>

namespace {

long double Normalisation(const SourceSpectrum& source, long double ceiling)
{
    return AcceptedIntegral(source, ceiling, SmallestCandidate, source.SampleRange);
}

}

double DrawnDensity(const SourceSpectrum& source, double energyMeV)
{
    const long double ceiling = SamplingCeiling(source);
    const long double total = Normalisation(source, ceiling);
    if (total <= 0.0L || energyMeV < SmallestCandidate || energyMeV >= source.SampleRange)
        return 0.0;
    const SplineValue value = EvalSpline(source.Segments, energyMeV);
    if (!value.found)
        return 0.0;
    return static_cast<double>(std::clamp<long double>(value.value, 0.0L, ceiling) / total);
}

double DrawnProbability(const SourceSpectrum& source, double lowerMeV, double upperMeV)
{
    const long double ceiling = SamplingCeiling(source);
    const long double total = Normalisation(source, ceiling);
    if (total <= 0.0L || !(lowerMeV < upperMeV))
        return 0.0;
    return static_cast<double>(AcceptedIntegral(source, ceiling, lowerMeV, upperMeV) / total);
}
