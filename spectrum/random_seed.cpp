#include "spectrum/random_seed.h"

namespace {

std::uint32_t ReversedBits(std::uint32_t value)
{
    std::uint32_t reversed = 0;
    for (int bit = 0; bit < 32; ++bit) {
        reversed = (reversed << 1) | (value & 1u);
        value >>= 1;
    }
    return reversed;
}

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
    return AdvancedRandomState(RandomState{}, ReversedBits(seed));
}
