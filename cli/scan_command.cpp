#include "cli/scan_command.h"

#include "cli/command_line.h"
#include "cli/progress_line.h"
#include "cli/run_setup.h"
#include "cli/scan.h"
#include "cli/scan_plot.h"
#include "cli/scan_report.h"
#include "cli/scan_truth.h"
#include "cli/scan_unfolding.h"
#include "cli/utf8_text.h"
#include "core/simulation.h"

#include <fstream>

namespace {

std::optional<std::string> WriteCsv(const std::vector<ScanPoint>& points, const Options& options)
{
    const std::string& path = options.csvPath;
    std::ofstream file(PathFromUtf8(path), std::ios::binary | std::ios::trunc);
    file << ScanCsv(points, options.seed);
    file.close();
    if (!file)
        return "vantor-cli: a CSV-fájl nem írható: " + path;
    return std::nullopt;
}

}

CommandOutcome RunScanCommand(const Options& options)
{
    Simulation sim;
    if (auto error = PrepareSimulation(options, sim))
        return {ExitRefused, "", *error};
    if (options.unfold) {
        if (auto refusal = UnfoldingRefusal(sim, options))
            return {ExitRefused, "", *refusal};
    }

    const std::size_t pointCount = ScanEnergies(options).size();
    std::vector<ScanPoint> points;
    {
        ProgressLine progress(pointCount, static_cast<std::int64_t>(pointCount) * options.count);
        points = MeasureScan(sim, options, ThreadsToUse(options),
                             [&progress](std::size_t point, std::int64_t flown) { progress.Show(point, flown); });
    }

    CompareWithSource(points, sim.source);
    if (options.unfold)
        UnfoldScan(points, sim.source);

    CommandOutcome outcome{0, ScanTable(points), ""};
    if (!options.csvPath.empty()) {
        if (auto error = WriteCsv(points, options))
            return {ExitFailed, outcome.output, *error};
    }
    if (!options.plotPath.empty()) {
        if (auto error = WriteScanPlot(points, options.plotPath))
            return {ExitFailed, outcome.output, *error};
    }
    return outcome;
}
