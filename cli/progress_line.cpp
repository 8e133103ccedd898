#include "cli/progress_line.h"

#include <unistd.h>

namespace {

// Often enough to look alive, rarely enough to cost nothing.
constexpr std::chrono::milliseconds Interval(200);

}

ProgressLine::ProgressLine(std::size_t points, std::int64_t particlesInAll)
    : m_shown(isatty(fileno(stderr)) != 0),
      m_points(points),
      m_particlesInAll(particlesInAll),
      m_start(std::chrono::steady_clock::now()),
      m_lastShown(m_start - Interval)
{
}

ProgressLine::~ProgressLine()
{
    if (m_shown)
        std::fputs("\r\033[K", stderr);
}

void ProgressLine::Show(std::size_t point, std::int64_t flown)
{
    const auto now = std::chrono::steady_clock::now();
    if (!m_shown || now - m_lastShown < Interval)
        return;
    m_lastShown = now;
    const double seconds = std::chrono::duration<double>(now - m_start).count();
    const double rate = seconds > 0.0 ? flown / seconds : 0.0;
    const double left = rate > 0.0 ? (m_particlesInAll - flown) / rate : 0.0;
    const long leftSeconds = static_cast<long>(left + 0.5);
    std::fprintf(stderr, "\r\033[K%zu/%zu pont, %.0f részecske/s, hátra %ld:%02ld:%02ld", point, m_points, rate,
                 leftSeconds / 3600, leftSeconds / 60 % 60, leftSeconds % 60);
    std::fflush(stderr);
}
