#pragma once

#include "core/parallel_run.h"

#include <cstdint>

struct Simulation;

// What Start does, without a window: the spectrum maximum, counters cleared,
// the pass band searched, then particles launched and flown until the set
// count (when the stop at the set count is on) or until running is cleared.
// With more than one thread, or with progress to report, the flights are
// shared among threads, with the same counts.
void StartHeadless(Simulation& sim, std::int32_t count, int threads = 1, const RunProgress& progress = {});

// The particle loop of a run: launch, fly, stop at the set count.
void RunHeadless(Simulation& sim);
