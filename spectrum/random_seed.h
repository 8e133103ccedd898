#pragma once

#include "spectrum/random_uniform.h"

#include <cstdint>

// Where a seeded run starts the one random sequence. The generator runs
// through all 2^32 states in one cycle, so a seed picks a place on it: seed
// 0 is the state every unseeded run starts from, and the seeds 0 … 2^k − 1
// start 2^(32−k) numbers apart (the place is the seed's bits reversed), so
// that the first 128 seeds share no number within 33 million draws, more than
// a scan of 29 points of 200 000 particles takes.
RandomState SeededRandomState(std::uint32_t seed);

// The state after `steps` numbers have been drawn from `start`.
RandomState AdvancedRandomState(RandomState start, std::uint32_t steps);
