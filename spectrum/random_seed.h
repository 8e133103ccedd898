#pragma once

#include "spectrum/random_uniform.h"

#include <cstdint>

// Where a seeded run starts the one random sequence. The generator runs
// through all 2^32 states in one cycle, so a seed picks a place on it,
// counted in numbers drawn from the state every unseeded run starts from;
// seed 0 is that state itself. Every seed has a place of its own, and seeds
// a user would pick side by side start far apart: any 128 consecutive seeds,
// and any two that differ in one bit, start more than 26 million numbers
// apart, more than a scan of 29 points of 200 000 particles draws (about
// four numbers a particle, 23 million for C-14). Seeds
// differing in one bit are an odd number of places apart, where the
// generator's two stretches are least alike: at a distance of 2^k times an
// odd number, the low k + 2 bits of the two stretches' numbers differ by the
// same amount all along.
std::uint32_t SeedPlace(std::uint32_t seed);

RandomState SeededRandomState(std::uint32_t seed);

// The state after `steps` numbers have been drawn from `start`.
RandomState AdvancedRandomState(RandomState start, std::uint32_t steps);
