#pragma once

#include <QDateTime>

#include <optional>
#include <string>
#include <variant>
#include <vector>

// A cell of a spreadsheet: empty, a number, a yes-or-no ("igen" or "nem"),
// a date and time of day as the wall clock showed it, or text. Numbers are stored as numbers, so
// that no spreadsheet reads them by its own locale.
using SheetCell = std::variant<std::monostate, double, bool, QDateTime, std::string>;

struct SheetColumn {
    std::string heading;
    double width = 12.0;   // in characters of the default font; wider if a word of the heading is longer
    // Its numbers shown with this many decimals; without, as the spreadsheet
    // program chooses. The cell keeps every digit either way.
    std::optional<int> decimals = std::nullopt;
};

// One sheet: the facts of the run above the table (each a label and its
// value), then the table under one header row, which is frozen and carries
// the filter.
struct Sheet {
    std::string name;   // the sheet's tab
    std::vector<std::pair<std::string, SheetCell>> facts;
    std::vector<SheetColumn> columns;
    std::vector<std::vector<SheetCell>> rows;
};

// Writes sheet as an Excel workbook (.xlsx) to path as WriteOutputFile does:
// the earlier file stays whole when the new one cannot be written, and
// nothing is left behind. Returns the message for the user, as
// WriteOutputFile does.
std::optional<std::string> WriteSpreadsheet(const std::string& path, const Sheet& sheet, const std::string& what);
