#pragma once

#include <array>
#include <cmath>

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

// Nearest integer with exact halves going to the even neighbour.
inline int RoundHalfEven(double value)
{
    return static_cast<int>(std::nearbyint(value));
}

inline int PixelXOf(double x)
{
    return RoundHalfEven(x / MetresPerPixel) + ApparatusAnchors[0].x;
}

inline int PixelYOf(double y)
{
    return RoundHalfEven(y / MetresPerPixel) + ApparatusAnchors[0].y;
}
