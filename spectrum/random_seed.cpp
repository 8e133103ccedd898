#include "spectrum/random_seed.h"

#include <bit>

namespace {

// An odd step near 2^32 / φ², whose multiples spread round the cycle almost
// as evenly as the golden ratio's (Fibonacci hashing), picked among such
// steps so that any 129 consecutive multiples lie more than 26 million places
// apart, as do 2^k ± 1 times it for every k (the golden step itself gives
// 21.6 million, less than a scan draws).
constexpr std::uint32_t SpreadingStep = 0x61B789A7u;

// Bit 0 becomes the parity of the whole seed, so a seed and the one with any
// other bit flipped lie an odd number of steps apart, and consecutive seeds
// stay within one step of their own number.
std::uint32_t ParityFolded(std::uint32_t seed)
{
    return seed ^ (static_cast<std::uint32_t>(std::popcount(seed >> 1)) & 1u);
}

}

std::uint32_t SeedPlace(std::uint32_t seed)
{
    return SpreadingStep * ParityFolded(seed);
}

// One step is x ↦ a·x + c; k steps are x ↦ A·x + C, and two runs of k steps
// compose to A²·x + (A·C + C), so `steps` is walked by its binary digits.
RandomState AdvancedRandomState(RandomState start, std::uint32_t steps)
{
    std::uint32_t multiplier = 134775813u;
    std::uint32_t increment = 1u;
    for (; steps != 0; steps >>= 1) {
        if (steps & 1u)
            start.value = start.value * multiplier + increment;
        increment = multiplier * increment + increment;
        multiplier *= multiplier;
    }
    return start;
}

RandomState SeededRandomState(std::uint32_t seed)
{
    return AdvancedRandomState(RandomState{}, SeedPlace(seed));
}
