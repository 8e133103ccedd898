#include "analysis/expected_count.h"

#include <cmath>

ExpectedCount ExpectCount(double probability, std::int64_t launched, std::int64_t detected)
{
    const double n = static_cast<double>(launched);
    ExpectedCount expected{n * probability, std::nullopt};
    const double variance = n * probability * (1.0 - probability);
    if (variance > 0.0)
        expected.pull = (static_cast<double>(detected) - expected.detected) / std::sqrt(variance);
    return expected;
}
