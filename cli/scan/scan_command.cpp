#include "cli/scan/scan_command.h"

#include "analysis/scan_measurement.h"
#include "analysis/scan_unfolding.h"
#include "analysis/source_comparison.h"
#include "cli/common/output_file.h"
#include "cli/common/progress_line.h"
#include "cli/common/run_setup.h"
#include "cli/scan/offscreen_gui.h"
#include "cli/scan/scan_plot.h"
#include "cli/scan/scan_options.h"
#include "cli/scan/scan_report.h"
#include "cli/scan/scan_sheet.h"
#include "core/simulation.h"

CommandOutcome RunScanCommand(const ScanOptions& options)
{
    Simulation sim;
    if (auto error = PrepareSimulation(options, 0.0, sim))
        return {ExitRefused, "", *error};
    if (options.unfold) {
        if (auto refusal = RefuseUnfolding(sim, ScanPlanOf(options)))
            return {ExitRefused, "", UnfoldingRefusalText(*refusal)};
    }

    for (const auto& [path, what] : {std::pair{options.csvPath, "a CSV-fájl"}, std::pair{options.xlsxPath, "a munkafüzet"},
                                     std::pair{options.plotPath, "a rajz"}}) {
        if (auto refusal = OutputLinkRefusal(path, what))
            return {ExitFailed, "", *refusal};
    }

    const std::size_t pointCount = ScanEnergies(options).size();
    std::vector<ScanPoint> points;
    {
        ProgressLine progress(pointCount, static_cast<std::int64_t>(pointCount) * options.count);
        points = MeasureScan(sim, ScanPlanOf(options), ThreadsToUse(options),
                             [&progress](std::size_t point, std::int64_t flown) { progress.Show(point, flown); });
    }

    CompareWithSource(points, sim.source);
    if (options.unfold)
        UnfoldScan(points, sim.source);

    CommandOutcome outcome{0, ScanTable(points), ""};
    if (!options.csvPath.empty()) {
        if (auto error = WriteOutputFile(options.csvPath, ScanCsv(points, options.seed), "a CSV-fájl"))
            return {ExitFailed, outcome.output, *error};
    }
    if (!options.xlsxPath.empty()) {
        if (auto error = WriteSpreadsheet(options.xlsxPath, ScanSheet(points, options, sim.source.Name), "a munkafüzet"))
            return {ExitFailed, outcome.output, *error};
    }
    if (!options.plotPath.empty()) {
        const OffscreenGui gui;
        if (auto error = WriteOutputFile(options.plotPath, ScanPlotPng(points), "a rajz"))
            return {ExitFailed, outcome.output, *error};
    }
    return outcome;
}
