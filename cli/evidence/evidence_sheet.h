#pragma once

#include "cli/common/spreadsheet.h"
#include "cli/evidence/evidence_report.h"

#include <vector>

// The jury's table as a spreadsheet: the checker's version and time and the
// summary above one row per picture, with the CSV's columns under Hungarian
// headings; numbers as numbers, yes-or-no fields as such, the saving time as
// a date.
Sheet EvidenceSheet(const std::vector<EvidenceRow>& rows, const PlausibilityContext& context);
