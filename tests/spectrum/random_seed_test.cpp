#include "spectrum/random_seed.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

RandomState Stepped(RandomState state, std::uint32_t steps)
{
    for (std::uint32_t i = 0; i < steps; ++i)
        RandomUniform(state);
    return state;
}

// How far apart two places on the cycle are, whichever comes first.
std::uint32_t Apart(std::uint32_t a, std::uint32_t b)
{
    return std::min(a - b, b - a);
}

// More than a scan of 29 points of 200 000 particles draws (23.4 million
// for C-14, about four numbers a particle), so two such runs from these
// seeds share no number.
constexpr std::uint32_t ScanDraws = 24000000u;

TEST(RandomSeed, SeedZeroIsTheUnseededStart)
{
    EXPECT_EQ(SeededRandomState(0).value, RandomState{}.value);
}

TEST(RandomSeed, AdvancingIsDrawing)
{
    const RandomState start{123456789u};
    for (std::uint32_t steps : {1u, 2u, 3u, 1000u, 65537u})
        EXPECT_EQ(AdvancedRandomState(start, steps).value, Stepped(start, steps).value) << steps;
}

TEST(RandomSeed, StartsAtItsPlace)
{
    EXPECT_EQ(SeededRandomState(5).value, AdvancedRandomState(RandomState{}, SeedPlace(5)).value);
}

TEST(RandomSeed, ConsecutiveSeedsStartFarApart)
{
    for (std::uint32_t first : {0u, 1u, 0x7FFFFFC1u, 0xFFFFFF80u}) {
        for (std::uint32_t a = first; a != first + 127; ++a) {
            for (std::uint32_t b = a + 1; b != first + 128; ++b)
                ASSERT_GT(Apart(SeedPlace(a), SeedPlace(b)), ScanDraws) << a << ' ' << b;
        }
    }
}

// Seeds differing in a high bit are the ones most easily brought close
// together, or a distance apart with many factors of two.
TEST(RandomSeed, SeedsDifferingInOneBitStartFarApartAndAnOddDistance)
{
    for (std::uint32_t seed : {0u, 1u, 7u, 0x80000000u, 0xFFFFFFFFu, 20240517u}) {
        for (int bit = 0; bit < 32; ++bit) {
            const std::uint32_t other = seed ^ (1u << bit);
            EXPECT_GT(Apart(SeedPlace(seed), SeedPlace(other)), ScanDraws) << seed << ' ' << bit;
            EXPECT_EQ((SeedPlace(seed) - SeedPlace(other)) & 1u, 1u) << seed << ' ' << bit;
        }
    }
    EXPECT_GT(Apart(SeedPlace(0xFFFFFFFFu), SeedPlace(0)), ScanDraws);
}

}
