#pragma once

#include "spectrum/source_spectrum.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

inline bool SameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// The spline's pieces are finite, so equal values with equal signs are equal bits.
inline bool SameBits(long double a, long double b)
{
    return a == b && std::signbit(a) == std::signbit(b);
}

// Every field of the spectrum, to the last bit.
inline void ExpectSameSpectrum(const SourceSpectrum& kept, const SourceSpectrum& before)
{
    EXPECT_EQ(kept.Name, before.Name);
    EXPECT_TRUE(SameBits(kept.EndpointEnergy, before.EndpointEnergy)) << kept.EndpointEnergy;
    ASSERT_EQ(kept.Knots.size(), before.Knots.size());
    for (std::size_t i = 0; i < kept.Knots.size(); ++i)
        EXPECT_TRUE(SameBits(kept.Knots[i].x, before.Knots[i].x) && SameBits(kept.Knots[i].y, before.Knots[i].y)) << i;
    ASSERT_EQ(kept.Segments.size(), before.Segments.size());
    for (std::size_t i = 0; i < kept.Segments.size(); ++i) {
        const SplineSegment& k = kept.Segments[i];
        const SplineSegment& b = before.Segments[i];
        EXPECT_TRUE(SameBits(k.a, b.a) && SameBits(k.b, b.b) && SameBits(k.c, b.c) && SameBits(k.d, b.d)
                    && SameBits(k.lower, b.lower) && SameBits(k.upper, b.upper))
            << i;
    }
    EXPECT_TRUE(SameBits(kept.SampleRange, before.SampleRange)) << kept.SampleRange;
    EXPECT_TRUE(SameBits(kept.SampleStep, before.SampleStep)) << kept.SampleStep;
    EXPECT_TRUE(SameBits(kept.SpectrumMax, before.SpectrumMax)) << kept.SpectrumMax;
}
