#include "cli/common/progress_line.h"

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <string>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

// Often enough to look alive, rarely enough to cost nothing.
constexpr std::chrono::milliseconds Interval(200);

// The columns a line of UTF-8 takes: one a character.
std::size_t Columns(const std::string& text)
{
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(),
                                                  [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

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
    if (m_shown && m_columns > 0)
        std::cerr << '\r' << std::string(m_columns, ' ') << '\r' << std::flush;
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
    char text[128];
    std::snprintf(text, sizeof text, "%zu/%zu pont, %.0f részecske/s, hátra %ld:%02ld:%02ld", point, m_points, rate,
                  leftSeconds / 3600, leftSeconds / 60 % 60, leftSeconds % 60);
    // Blanks over what is left of a longer line before: plain text that every
    // terminal and console shows alike, where an escape to clear the line is
    // not understood everywhere.
    const std::size_t columns = Columns(text);
    std::cerr << '\r' << text << std::string(m_columns - std::min(m_columns, columns), ' ') << std::flush;
    m_columns = std::max(m_columns, columns);
}
