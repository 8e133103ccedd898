#pragma once

#include "cli/common/option_parsing.h"
#include "cli/common/run_options.h"

#include <string>
#include <vector>

// vantor-cli measure: one Start at a pass energy.
struct MeasureOptions : RunOptions {
    double energyKeV = 0.0;
    bool json = false;
};

// The command's options, in the order of its help.
const CommandGrammar<MeasureOptions>& MeasureGrammar();

// arguments: the command line from the command's name on.
ParsedOptions<MeasureOptions> ParseMeasureOptions(const std::vector<std::string>& arguments);
