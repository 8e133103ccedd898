#pragma once

#include <cstdint>
#include <vector>

// What a scan measures: a Start of count particles at each pass energy, all
// at one magnetic induction.
struct ScanPlan {
    std::vector<double> energiesKeV;
    std::int32_t fieldMicrotesla = 0;
    std::int32_t count = 0;
};
