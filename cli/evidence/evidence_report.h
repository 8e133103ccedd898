#pragma once

#include "cli/evidence/evidence_listing.h"
#include "cli/evidence/evidence_plausibility.h"
#include "evidence/picture_check.h"

#include <span>
#include <string>
#include <vector>

// One checked picture.
struct EvidenceRow {
    PictureFile file;
    PictureCheck check;
    Plausibility plausibility{};
};

// Every status of a picture, in the order the summaries count them.
inline constexpr EvidenceStatus ReportedStatuses[] = {EvidenceStatus::Intact, EvidenceStatus::Implausible,
                                                      EvidenceStatus::Modified, EvidenceStatus::NoRecord,
                                                      EvidenceStatus::Unreadable};

// Pictures counted after those only where there are any: the browser
// edition's practice pictures.
inline constexpr EvidenceStatus CountedWhenPresent[] = {EvidenceStatus::Practice};

// What else stands among the pictures, each a row of its own, counted after
// them where there is any.
inline constexpr EvidenceStatus OtherEntries[] = {EvidenceStatus::Link, EvidenceStatus::Leftover};

// How many rows have status.
qsizetype CountOf(std::span<const EvidenceRow> rows, EvidenceStatus status);

// How many rows are pictures: all but the OtherEntries.
qsizetype PictureCount(std::span<const EvidenceRow> rows);

// What is wrong with the picture, in a contestant's folder or the work root
// whether its record was saved by someone else, and whether it was saved in
// teacher mode; empty when there is nothing to say.
QString RowNote(const EvidenceRow& row);

// A picture the jury has to look at: not intact, saved in teacher mode,
// where the theory and other sources were at hand, or by a program newer
// than the checker.
bool NeedsALook(const EvidenceRow& row);

// What the status column says: the status, and after a colon the note.
QString StatusWithNote(const EvidenceRow& row);

// One line per picture in columns: folder, file, saved at, energy,
// induction, slit, launched, detected, band width, measuring time, status.
// Long texts are cut and control characters shown as '?', so that no record
// can disturb the terminal.
std::string EvidenceTable(const std::vector<EvidenceRow>& rows);

// "Összesen 3 kép: 1 rendben, 0 valószínűtlen, 1 módosítva, 1 nincs adat,
// 0 hibás fájl", followed by "; 1 gyakorló kép", "; 2 link", "; 1 ideiglenes fájl", "; 1 tanári módban mentve"
// and "; 1 az ellenőrzőnél újabb programmal mentve" when there are such.
std::string EvidenceSummary(const std::vector<EvidenceRow>& rows);

// The rows with every field of the record after folder, file, status and
// note, under one header row of the fields' names (RFC 4180 quoting). A
// text that a spreadsheet would take for a formula gets a leading "'".
std::string EvidenceCsv(const std::vector<EvidenceRow>& rows);
