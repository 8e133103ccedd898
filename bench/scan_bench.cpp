#include "cli/common/run_setup.h"
#include "cli/scan/scan.h"
#include "cli/scan/scan_options.h"
#include "core/simulation.h"

#include <benchmark/benchmark.h>

namespace {

// A long scan, 1000 µT, slit 5, 30 to 90 keV by 30 keV, 400,000 particles a
// point, on the given number of threads.
void LongScan(benchmark::State& state)
{
    ScanOptions options;
    options.fieldMicrotesla = 1000;
    options.slitStep = 5;
    options.fromKeV = 30;
    options.toKeV = 90;
    options.stepKeV = 30;
    options.count = 400000;
    const int threads = static_cast<int>(state.range(0));
    std::int64_t particles = 0;
    for (auto _ : state) {
        Simulation sim;
        PrepareSimulation(options, 0.0, sim);
        const std::vector<ScanPoint> points = MeasureScan(sim, options, threads);
        particles += static_cast<std::int64_t>(points.size()) * options.count;
    }
    state.counters["particles/s"] = benchmark::Counter(static_cast<double>(particles), benchmark::Counter::kIsRate);
}

}

BENCHMARK(LongScan)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();
