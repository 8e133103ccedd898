#pragma once

#include <cstdint>
#include <optional>

// Each launched particle reaches the detector with the same chance p (see
// DetectionProbability), so a count is binomial.
struct ExpectedCount {
    double detected = 0.0;        // N·p
    std::optional<double> pull;   // (measured − N·p) / √(N·p·(1 − p)); none when p is 0 or 1
};

ExpectedCount ExpectCount(double probability, std::int64_t launched, std::int64_t detected);
