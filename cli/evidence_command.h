#pragma once

#include "cli/command_outcome.h"

struct Options;

// Exit status when a picture is other than "rendben".
inline constexpr int ExitFlagged = 3;

// vantor-cli evidence: checks the record of every picture the paths name and
// lists them, with a CSV file and a page for the jury on request.
CommandOutcome RunEvidenceCommand(const Options& options);
