#include "bench/measurement_setup.h"

#include "core/simulation.h"

#include <benchmark/benchmark.h>

namespace {

constexpr std::int32_t ParticlesPerIteration = 1000;

// One iteration launches and flies a thousand particles of a headless run.
void ParticleThroughput(benchmark::State& state, MeasurementSettings settings)
{
    Simulation sim;
    SetUpMeasurement(sim, settings);
    for (auto _ : state)
        FlyMore(sim, ParticlesPerIteration);
    state.counters["particles/s"] = benchmark::Counter(
        static_cast<double>(state.iterations()) * ParticlesPerIteration, benchmark::Counter::kIsRate);
}

}

BENCHMARK_CAPTURE(ParticleThroughput, tuned_50keV_1000uT_slit0, MeasurementSettings{50, 1000, 0});
BENCHMARK_CAPTURE(ParticleThroughput, tuned_100keV_1000uT_slit10, MeasurementSettings{100, 1000, 10});
// Without an induction the tuning gives no electric field either: both fields are off.
BENCHMARK_CAPTURE(ParticleThroughput, fields_off_50keV, MeasurementSettings{50, 0, 0});
// Off the pass energy the particles gyrate in the strong field, which makes the
// flights several times longer: about 170 field steps on average against 46.
BENCHMARK_CAPTURE(ParticleThroughput, tuned_50keV_50000uT_slit0, MeasurementSettings{50, 50000, 0});
// Tuned to zero energy the electric field is off: in 2 T every particle circles
// near the source until its 1000 field steps are used up.
BENCHMARK_CAPTURE(ParticleThroughput, circling_2T_until_1000_steps, MeasurementSettings{0, 2000000, 0});
