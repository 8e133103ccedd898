#pragma once

#include "analysis/scan_plan.h"
#include "analysis/scan_unfolding.h"
#include "cli/common/option_parsing.h"
#include "cli/common/run_options.h"

#include <string>
#include <vector>

// vantor-cli scan: a measurement at every pass energy from --from to --to.
struct ScanOptions : RunOptions {
    double fromKeV = 0.0;
    double toKeV = 0.0;
    double stepKeV = 0.0;
    bool unfold = false;   // estimate the source from the scan's counts
    std::string csvPath;
    std::string xlsxPath;
    std::string plotPath;
};

// The command's options, in the order of its help.
const CommandGrammar<ScanOptions>& ScanGrammar();

// arguments: the command line from the command's name on.
ParsedOptions<ScanOptions> ParseScanOptions(const std::vector<std::string>& arguments);

// Why --unfold cannot be used, as the command says it.
std::string UnfoldingRefusalText(const UnfoldingRefusal& refusal);

// The steps of a scan after its first point: the pass energies run from
// --from to --to inclusive by --step.
double ScanSteps(const ScanOptions& options);

// The pass energies of a scan, from the first to the last inclusive.
std::vector<double> ScanEnergies(const ScanOptions& options);

// What the options ask to measure.
ScanPlan ScanPlanOf(const ScanOptions& options);
