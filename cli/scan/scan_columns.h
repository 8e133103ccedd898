#pragma once

#include "analysis/scan_point.h"

#include <optional>
#include <string_view>
#include <vector>

// One column of the scan's outputs: the CSV and the workbook write every
// column in this order, the terminal's table those it has a place for.
struct ScanColumn {
    std::string_view name;     // the CSV's header
    std::string_view heading;  // the workbook's, in Hungarian
    int decimals;              // as the terminal's table and the workbook show it
    std::optional<double> (*value)(const ScanPoint&);  // nothing where it cannot be computed
    struct {
        std::string_view heading;  // short; empty: not in the terminal's table
        int width = 0;             // in characters, the heading right-aligned in it
    } terminal = {};
    std::string_view note = {};    // what --help says of it beside its name
    bool count = false;            // a whole number
};

const std::vector<ScanColumn>& ScanColumns();

// The CSV's last column, after the points' ones: the seed the scan's random
// sequence started from, which the workbook shows above its table.
inline constexpr std::string_view SeedColumn = "seed";
