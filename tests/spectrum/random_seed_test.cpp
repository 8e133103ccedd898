#include "spectrum/random_seed.h"

#include <gtest/gtest.h>

namespace {

RandomState Stepped(RandomState state, std::uint32_t steps)
{
    for (std::uint32_t i = 0; i < steps; ++i)
        RandomUniform(state);
    return state;
}

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

// Seed 64 has its bits reversed to 2^25: it starts where an unseeded run has
// drawn 2^25 numbers.
TEST(RandomSeed, SeedsStartFarApartOnTheOneCycle)
{
    EXPECT_EQ(SeededRandomState(64).value, Stepped(RandomState{}, 1u << 25).value);
}

}
