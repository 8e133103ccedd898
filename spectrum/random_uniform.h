#pragma once

#include <cstdint>

// The program's own linear congruential generator. It starts from 0, so every
// program run draws the same sequence unless a seed moves its start
// (random_seed.h).
struct RandomState {
    std::uint32_t value = 0;
};

// The next number in [0, 1), exactly state / 2^32.
inline long double RandomUniform(RandomState& state)
{
    state.value = state.value * 134775813u + 1u;
    return static_cast<long double>(state.value) / 4294967296.0L;
}
