#include "bench/measurement_setup.h"

#include "core/pass_band.h"
#include "core/simulation.h"

#include <benchmark/benchmark.h>

namespace {

void PassBandSearch(benchmark::State& state)
{
    Simulation sim;
    SetUpMeasurement(sim, MeasurementSettings{50, 1000, 0});
    for (auto _ : state)
        UpdatePassBand(sim);
}

}

BENCHMARK(PassBandSearch)->Unit(benchmark::kMicrosecond);
