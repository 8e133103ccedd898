#include "analysis/scan_measurement.h"
#include "core/measurement.h"
#include "core/simulation.h"

#include <benchmark/benchmark.h>

namespace {

// A long scan, 1000 µT, slit 5, 30 to 90 keV by 30 keV, 400,000 particles a
// point, on the given number of threads.
void LongScan(benchmark::State& state)
{
    const ScanPlan plan{{30, 60, 90}, 1000, 400000};
    const int threads = static_cast<int>(state.range(0));
    std::int64_t particles = 0;
    for (auto _ : state) {
        Simulation sim;
        SetUpSimulation(sim, {0.0, plan.fieldMicrotesla, 5});
        const std::vector<ScanPoint> points = MeasureScan(sim, plan, threads);
        particles += static_cast<std::int64_t>(points.size()) * plan.count;
    }
    state.counters["particles/s"] = benchmark::Counter(static_cast<double>(particles), benchmark::Counter::kIsRate);
}

}

BENCHMARK(LongScan)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();
