#include "analysis/expected_count.h"

#include "spectrum/drawn_density.h"

#include <cmath>

ExpectedCount ExpectCount(const SourceSpectrum& source, double lowerMeV, double upperMeV, std::int64_t launched,
                          std::int64_t detected)
{
    const double p = DrawnProbability(source, lowerMeV, upperMeV);
    const double n = static_cast<double>(launched);
    ExpectedCount expected{n * p, std::nullopt};
    const double variance = n * p * (1.0 - p);
    if (variance > 0.0)
        expected.pull = (static_cast<double>(detected) - expected.detected) / std::sqrt(variance);
    return expected;
}
