#include "measurement_setup.h"

#include "pass_band.h"
#include "simulation.h"

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
