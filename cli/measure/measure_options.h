#pragma once

#include "cli/option_parsing.h"
#include "cli/run_options.h"

#include <string>
#include <vector>

// vantor-cli measure: one Start at a pass energy.
struct MeasureOptions : RunOptions {
    double energyKeV = 0.0;
    bool json = false;
};

// arguments: the command line from the command's name on.
ParsedOptions<MeasureOptions> ParseMeasureOptions(const std::vector<std::string>& arguments);
