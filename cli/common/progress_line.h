#pragma once

#include <chrono>
#include <cstdint>
#include <cstdio>

// One line on standard error that a long scan keeps rewriting: points done,
// particles per second and the time left. Silent unless standard error is a
// terminal, so that logs and pipes get only the results.
class ProgressLine {
public:
    ProgressLine(std::size_t points, std::int64_t particlesInAll);
    ~ProgressLine();

    void Show(std::size_t point, std::int64_t flown);

private:
    bool m_shown;
    std::size_t m_points;
    std::int64_t m_particlesInAll;
    std::chrono::steady_clock::time_point m_start;
    std::chrono::steady_clock::time_point m_lastShown;
    std::size_t m_columns = 0;   // the longest line written so far
};
