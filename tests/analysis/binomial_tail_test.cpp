#include "analysis/binomial_tail.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Where the tail is one term, it is that term doubled; the side away from
// the mean is the one summed.
TEST(TwoSidedBinomialTail, IsTheFarTermDoubledAtTheEnds)
{
    const double p = 0.072;
    EXPECT_NEAR(TwoSidedBinomialTail(10, 10, p), 2 * std::pow(p, 10), 1e-12 * std::pow(p, 10));
    EXPECT_NEAR(TwoSidedBinomialTail(1000, 0, p), 2 * std::pow(1 - p, 1000), 1e-9 * std::pow(1 - p, 1000));
    EXPECT_NEAR(TwoSidedBinomialTail(10, 0, p), 2 * std::pow(1 - p, 10), 1e-12);
}

// Ten launched, a tenth of a count expected, one detected: the normal
// approximation puts that 3 deviations out, the binomial at a chance of 1 in 6.
TEST(TwoSidedBinomialTail, KeepsTheLongTailOfFewExpectedCounts)
{
    const double p = 0.01;
    EXPECT_NEAR(TwoSidedBinomialTail(10, 1, p), 2 * (1 - std::pow(1 - p, 10)), 1e-12);
    EXPECT_GT(TwoSidedBinomialTail(10, 3, p), 5.7e-7);
}

// With many counts the tail is the normal one.
TEST(TwoSidedBinomialTail, IsTheNormalTailForManyCounts)
{
    const std::int64_t n = 4000000;
    const double sigma = std::sqrt(n * 0.25);
    EXPECT_NEAR(TwoSidedBinomialTail(n, n / 2 + std::llround(5 * sigma), 0.5) / std::erfc(5 / std::sqrt(2.0)), 1.0,
                0.02);
    EXPECT_NEAR(TwoSidedBinomialTail(n, n / 2 - std::llround(5 * sigma), 0.5) / std::erfc(5 / std::sqrt(2.0)), 1.0,
                0.02);
}

// A count that no draw gives has no chance at all.
TEST(TwoSidedBinomialTail, IsZeroForACountNoDrawGives)
{
    EXPECT_EQ(TwoSidedBinomialTail(100, 1, 0.0), 0.0);
    EXPECT_EQ(TwoSidedBinomialTail(100, 99, 1.0), 0.0);
    EXPECT_EQ(TwoSidedBinomialTail(100, 101, 0.5), 0.0);
    EXPECT_EQ(TwoSidedBinomialTail(100, 100, 1.0), 1.0);
}

}
