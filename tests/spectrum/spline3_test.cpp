#include "spectrum/local_spline.h"
#include "spectrum/source_spectrum.h"
#include "spectrum/spline3.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TResult BuiltinSpline()
{
    SourceSpectrum source;
    LoadSourceSpectrum(BuiltinSourceText(), source);
    return source.Segments;
}

TEST(Spline3, BuiltinFirstSegmentCoefficients)
{
    const TResult spline = BuiltinSpline();
    ASSERT_EQ(spline.size(), 16u);
    // Elimination without pivoting by magnitude loses digits: compare loosely.
    EXPECT_NEAR(static_cast<double>(spline[0].a), -2.71309e7, 0.001e7);
    EXPECT_NEAR(static_cast<double>(spline[0].b), 2.71303e5, 0.001e5);
    EXPECT_NEAR(static_cast<double>(spline[0].c), 11922, 0.5);
    EXPECT_NEAR(static_cast<double>(spline[0].d), 1039.48, 0.01);
    EXPECT_EQ(spline[0].lower, 0.0L);
    EXPECT_EQ(spline[0].upper, static_cast<long double>(0.01));
}

TEST(Spline3, BuiltinValues)
{
    const TResult spline = BuiltinSpline();
    SourceSpectrum source;
    LoadSourceSpectrum(BuiltinSourceText(), source);
    for (const Knot& knot : source.Knots) {
        const SplineValue v = EvalSpline(spline, knot.x);
        EXPECT_TRUE(v.found);
        EXPECT_NEAR(v.value, knot.y, 0.002) << "at " << knot.x;
    }
    EXPECT_NEAR(EvalSpline(spline, 0.005).value, 1102.48, 0.01);
    EXPECT_NEAR(EvalSpline(spline, 0.155).value, 0.921, 0.001);
    EXPECT_NEAR(EvalSpline(spline, 0.16).value, 0.0, 0.002);
}

// Both ways solve for the one clamped spline: where the dense system holds,
// the stable way finds the same curve, to the digits the dense one keeps.
TEST(Spline3, TheLocalSplineIsTheDenseOneWhereBothHold)
{
    SourceSpectrum source;
    LoadSourceSpectrum(BuiltinSourceText(), source);
    const double startSlope = (1158.7 - 1039.48) / 0.01;
    const TResult local = BuildLocalSpline(source.Knots, startSlope, 0.0);
    ASSERT_EQ(local.size(), source.Segments.size());
    for (double x = 0.0; x <= 0.16; x += 0.0005)
        EXPECT_NEAR(EvalSpline(local, x).value, EvalSpline(source.Segments, x).value, 0.005) << "at " << x;
    const SplineSegment& first = local.front();
    EXPECT_NEAR(static_cast<double>(first.c + 2 * first.b * first.lower + 3 * first.a * first.lower * first.lower),
                startSlope, 1e-6);
}

TEST(Spline3, SharedKnotUsesTheLeftSegmentAndOutsideIsNotFound)
{
    const TResult spline = BuiltinSpline();
    const SplineSegment& left = spline[0];
    const long double x = 0.01L;
    const double leftValue = static_cast<double>(((x * x) * (left.a * x) + (x * x) * left.b) + left.c * x + left.d);
    EXPECT_EQ(EvalSpline(spline, 0.01).value, leftValue);

    for (double outside : {-0.001, 0.17}) {
        const SplineValue v = EvalSpline(spline, outside);
        EXPECT_FALSE(v.found);
        EXPECT_EQ(v.value, 0.0);
    }
    EXPECT_FALSE(EvalSpline(TResult{}, 0.05).found);
}

TEST(Spline3, TwoKnotsGiveOneClampedCubic)
{
    // Through (1, 2) and (3, 4) with slopes 0 at both ends: 3 − 3t² + 2t³ shape.
    const TResult spline = BuildSpline({{1.0, 2.0}, {3.0, 4.0}}, 0.0, 0.0);
    ASSERT_EQ(spline.size(), 1u);
    EXPECT_NEAR(EvalSpline(spline, 1.0).value, 2.0, 1e-12);
    EXPECT_NEAR(EvalSpline(spline, 3.0).value, 4.0, 1e-12);
    EXPECT_NEAR(EvalSpline(spline, 2.0).value, 3.0, 1e-12);
    const SplineSegment& s = spline[0];
    const long double slopeAtStart = 3 * s.a + 2 * s.b + s.c;
    EXPECT_NEAR(static_cast<double>(slopeAtStart), 0.0, 1e-12);
}

TEST(Spline3, SolveLinearExchangesRowsPastAZeroPivot)
{
    // 0·a + 1·b = 2, 1·a + 1·b = 5: the first column's pivot is in the second row.
    TMatrix m{{0.0, 1.0, 2.0}, {1.0, 1.0, 5.0}};
    SolveLinear(m);
    EXPECT_EQ(m[0][2], 3.0);
    EXPECT_EQ(m[1][2], 2.0);
}

// (1 + e)² with e = 2^-30 needs 61 bits, more than a double's 53: the solver
// and the evaluation keep them by working at extended precision.
TEST(Spline3, ExtendedPrecisionKeepsDigitsADoubleLoses)
{
    const double e = std::ldexp(1.0, -30);
    // a + (1 + e)·b = 0 and (1 + e)·a + (1 + 2e)·b = 1: the second pivot is
    // (1 + 2e) - (1 + e)² = -e², so a = (1 + e)/e² = 2^60 + 2^30, b = -1/e².
    TMatrix m{{1.0, 1.0 + e, 0.0}, {1.0 + e, 1.0 + 2 * e, 1.0}};
    SolveLinear(m);
    EXPECT_EQ(m[0][2], std::ldexp(1.0, 60) + std::ldexp(1.0, 30));
    EXPECT_EQ(m[1][2], -std::ldexp(1.0, 60));

    // x² - 2x + 1 at x = 1 + e is e².
    const TResult square{{0.0L, 1.0L, -2.0L, 1.0L, 0.0L, 2.0L}};
    EXPECT_EQ(EvalSpline(square, 1.0 + e).value, e * e);
}

TEST(Spline3, SolveLinearSkipsAColumnWithoutPivot)
{
    TMatrix m{{0.0, 2.0, 4.0}, {0.0, 0.0, 0.0}};
    SolveLinear(m);
    EXPECT_EQ(m[0][1], 1.0);
    EXPECT_EQ(m[0][2], 2.0);
}

}
