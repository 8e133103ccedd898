#pragma once

#include "cli/common/command_outcome.h"

struct ScanOptions;

// Scans the pass energy as the options say, prints the table, and writes the
// CSV file and the plot when asked for. A progress line goes to a terminal.
CommandOutcome RunScanCommand(const ScanOptions& options);
