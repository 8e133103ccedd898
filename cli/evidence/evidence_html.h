#pragma once

#include "cli/evidence/evidence_report.h"

#include <QString>

#include <string>
#include <vector>

// One page for the jury, with nothing to load but the pictures themselves:
// a section per contestant folder, each picture as a thumbnail that links to
// it beside its record, flagged pictures marked in colour. Pictures are
// named by paths relative to pageFolder, where the page is saved.
std::string EvidenceHtml(const std::vector<EvidenceRow>& rows, const QString& pageFolder);
