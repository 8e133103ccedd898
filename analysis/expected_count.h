#pragma once

#include <cstdint>
#include <optional>

struct SourceSpectrum;

// Each launched particle reaches the detector when its energy lies in the
// band, so a count is binomial with p the drawn density's integral over it.
struct ExpectedCount {
    double detected = 0.0;        // N·p
    std::optional<double> pull;   // (measured − N·p) / √(N·p·(1 − p)); none when p is 0 or 1
};

// The band in MeV as the search found it.
ExpectedCount ExpectCount(const SourceSpectrum& source, double lowerMeV, double upperMeV, std::int64_t launched,
                          std::int64_t detected);
