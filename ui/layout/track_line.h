#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

// Which pixels a track's line sets in a picture: the window's overlay and the
// page's draw their tracks into their own pixels by the same rule, so both
// show the same pixels. Along the longer axis of the line one pixel per
// coordinate is set from the start to the end point, both included, and
// across it the pixel nearest to the true line; a tie goes to the pixel
// farther from the start. Lines leaving the picture are clipped without
// changing which pixels are set inside it.

namespace track_line {

// Ends farther out than this are brought in before the exact clipping, whose
// products must stay within 64 bits. Only such far ends, which no track
// reaches, can move a line inside the picture, by half a pixel at most.
inline constexpr double FarLimit = 1 << 29;

// One coordinate of a line, counted so that it grows from the start to the
// end; a picture of this extent then always lies at 0 to extent - 1.
struct Axis {
    Axis(std::int64_t from, std::int64_t to, int extent)
        : forward(to >= from),
          extent(extent),
          start(forward ? from : extent - 1 - from),
          length(std::abs(to - from))
    {
    }

    std::int64_t ToPicture(std::int64_t along) const { return forward ? along : extent - 1 - along; }

    bool forward;
    std::int64_t extent;
    std::int64_t start;
    std::int64_t length;
};

// Step i along the longer axis sets the pixel
// k = floor((2·i·across + along) / (2·along)) across it, so the loop starts
// at the first step inside the picture with k and its remainder computed
// directly, and the pixels inside are those of the whole line.
template <typename Plot>
void RasteriseLine(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1, int width, int height,
                   Plot plot)
{
    const bool steep = std::abs(y1 - y0) > std::abs(x1 - x0);
    const Axis major = steep ? Axis(y0, y1, height) : Axis(x0, x1, width);
    const Axis minor = steep ? Axis(x0, x1, width) : Axis(y0, y1, height);
    const auto plotStep = [&](std::int64_t i, std::int64_t k) {
        const int u = static_cast<int>(major.ToPicture(major.start + i));
        const int v = static_cast<int>(minor.ToPicture(minor.start + k));
        if (steep)
            plot(v, u);
        else
            plot(u, v);
    };

    const std::int64_t along = major.length;
    const std::int64_t across = minor.length;
    std::int64_t first = std::max<std::int64_t>(0, -major.start);
    std::int64_t last = std::min(along, major.extent - 1 - major.start);
    const std::int64_t kFirst = std::max<std::int64_t>(0, -minor.start);
    const std::int64_t kLast = std::min(across, minor.extent - 1 - minor.start);
    if (first > last || kFirst > kLast)
        return;
    if (along == 0) {
        plotStep(0, 0);
        return;
    }
    if (kFirst > 0)
        first = std::max(first, (along * (2 * kFirst - 1) + 2 * across - 1) / (2 * across));
    if (across > 0)
        last = std::min(last, (along * (2 * kLast + 1) - 1) / (2 * across));

    std::int64_t k = (2 * first * across + along) / (2 * along);
    std::int64_t remainder = (2 * first * across + along) % (2 * along);
    for (std::int64_t i = first; i <= last; ++i) {
        plotStep(i, k);
        remainder += 2 * across;
        if (remainder >= 2 * along) {
            remainder -= 2 * along;
            ++k;
        }
    }
}

}

// Keeps the part of the line from (x0, y0) to (x1, y1) inside the box from
// left, top to right, bottom; false if there is none.
inline bool CutLineToBox(double& x0, double& y0, double& x1, double& y1, double left, double top, double right,
                         double bottom)
{
    const double dx = x1 - x0;
    const double dy = y1 - y0;
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {x0 - left, right - x0, y0 - top, bottom - y0};
    double enter = 0.0;
    double leave = 1.0;
    for (int side = 0; side < 4; ++side) {
        if (p[side] == 0.0) {
            if (q[side] < 0.0)
                return false;
        } else if (p[side] < 0.0) {
            enter = std::max(enter, q[side] / p[side]);
        } else {
            leave = std::min(leave, q[side] / p[side]);
        }
    }
    if (enter > leave)
        return false;
    const double fromX = x0 + enter * dx;
    const double fromY = y0 + enter * dy;
    x1 = x0 + leave * dx;
    y1 = y0 + leave * dy;
    x0 = fromX;
    y0 = fromY;
    return true;
}

// Calls plot(x, y) for each pixel the line from (x0, y0) to (x1, y1) sets in a
// picture of width × height pixels.
template <typename Plot>
void PlotTrackLine(double x0, double y0, double x1, double y1, int width, int height, Plot plot)
{
    using track_line::FarLimit;
    if (!CutLineToBox(x0, y0, x1, y1, -FarLimit, -FarLimit, FarLimit, FarLimit))
        return;
    track_line::RasteriseLine(std::llround(x0), std::llround(y0), std::llround(x1), std::llround(y1), width, height,
                              plot);
}
