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

// sourcesFolder: where the source files shipped with the program lie.
std::string HelpText(const std::string& sourcesFolder);
