#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

// The apparatus picture is laid out from eight anchor points. A0 is the image
// pixel of the simulation origin; A1 to A7 are offsets from it. The right-hand
// half mirrors the left with x negated.
struct AnchorPoint {
    int x;
    int y;
};

inline constexpr std::array<AnchorPoint, 8> ApparatusAnchors{{
    {200, 300},   // A0: origin
    {-8, -225},   // A1: top of the source funnel
    {-32, -180},  // A2: lower end of the funnel, top of the collimator
    {-66, -100},  // A3: top-left of the filter region, the launch height
    {-66, 333},   // A4: bottom-left of the filter region
    {-32, 333},   // A5: outer end of the left slit jaw
    {-48, 335},   // A6: top-left of the detector housing
    {-48, 391},   // A7: bottom-left of the detector housing
}};

inline constexpr double MetresPerPixel = 0.0005;

// Nearest integer with exact halves going to the even neighbour. A value
// beyond the int range is held at its end, and NaN, which has no nearest
// integer, gives 0: converting either is undefined.
inline int RoundHalfEven(double value)
{
    if (std::isnan(value))
        return 0;
    constexpr double Lowest = std::numeric_limits<int>::min();
    constexpr double Highest = std::numeric_limits<int>::max();
    return static_cast<int>(std::clamp(std::nearbyint(value), Lowest, Highest));
}

// A point too far out for an int pixel is held short of the int's ends by
// enough that the anchor's offset and the step grid's extra row still fit.
inline constexpr int FarthestPixel = std::numeric_limits<int>::max() - 1024;

inline int PixelOf(double metres, int anchor)
{
    return std::clamp(RoundHalfEven(metres / MetresPerPixel), -FarthestPixel, FarthestPixel) + anchor;
}

inline int PixelXOf(double x)
{
    return PixelOf(x, ApparatusAnchors[0].x);
}

inline int PixelYOf(double y)
{
    return PixelOf(y, ApparatusAnchors[0].y);
}
