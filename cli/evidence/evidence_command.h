#pragma once

#include "cli/common/command_outcome.h"

#include <QString>

struct EvidenceOptions;

// vantor-cli evidence: checks the record of every picture the paths name and
// lists them, with a CSV file and a page for the jury on request.
// sourcesFolder: the source files shipped with the program, whose spectra
// the physics of a record is checked with besides the built-in C-14.
CommandOutcome RunEvidenceCommand(const EvidenceOptions& options, const QString& sourcesFolder = {});
