#pragma once

#include <cstdint>
#include <functional>

struct Simulation;

// Called now and then during a run with the number of particles flown so far.
using RunProgress = std::function<void(std::int64_t flown)>;

// The particle loop of a headless run up to the set count, with the flights
// shared among threads. The energies are still drawn one after another from
// the one random sequence, and every particle flies alone, so the counts and
// the random state afterwards are those of the loop on one thread, whatever
// the number of threads. The measured particle's record is not kept up.
void RunParticlesParallel(Simulation& sim, int threads, const RunProgress& progress = {});
