#pragma once

#include <cstdint>

struct Simulation;

// What Start does, without a window: the spectrum maximum, counters cleared,
// the pass band searched, then particles launched and flown until the set
// count (when the stop at the set count is on) or until running is cleared.
void StartHeadless(Simulation& sim, std::int32_t count);

// The particle loop of a run: launch, fly, stop at the set count.
void RunHeadless(Simulation& sim);
