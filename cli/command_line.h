#pragma once

#include "cli/common/option_parsing.h"
#include "cli/evidence/evidence_options.h"
#include "cli/measure/measure_options.h"
#include "cli/scan/scan_options.h"

#include <string>
#include <variant>
#include <vector>

struct VersionRequest {};

// What the command line asks for: a command with its own options, help or
// the version, or nothing, refused.
using ParsedCommandLine =
    std::variant<MeasureOptions, ScanOptions, EvidenceOptions, HelpRequest, VersionRequest, CommandLineError>;

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// Every command as its help shows it, in the order of vantor-cli's own help.
std::vector<CommandUsage> CommandUsages();
// vantor-cli's options before a command.
const std::vector<OptionUsage>& TopLevelOptions();

// The help of the command asked for, or vantor-cli's own; sourcesFolder:
// where the source files shipped with the program lie.
std::string HelpText(const HelpRequest& request, const std::string& sourcesFolder);
