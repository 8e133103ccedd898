#include "cli/scan/scan_report.h"

#include "analysis/source_comparison.h"
#include "base/number_text.h"
#include "cli/scan/scan_columns.h"

#include <algorithm>
#include <string_view>

namespace {

// Characters, not bytes: the headings have accents and signs.
std::size_t TextWidth(std::string_view text)
{
    return std::size_t(std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xc0) != 0x80; }));
}

std::string Padded(std::string_view text, int width)
{
    const std::size_t length = TextWidth(text);
    const std::size_t room = std::size_t(width);
    return std::string(length < room ? room - length : 0, ' ') + std::string(text);
}

std::string Cell(const ScanColumn& column, const ScanPoint& point)
{
    const int width = column.terminal.width;
    const std::optional<double> value = column.value(point);
    if (!value)
        return Padded("-", width);
    if (column.count)
        return Padded(std::to_string(std::int64_t(*value)), width);
    return FixedText(*value, width, column.decimals);
}

}

std::string ScanTable(const std::vector<ScanPoint>& points)
{
    std::string table;
    for (const ScanColumn& column : ScanColumns()) {
        if (!column.terminal.heading.empty())
            table += Padded(column.terminal.heading, column.terminal.width);
    }
    table += "\n";
    for (const ScanPoint& point : points) {
        for (const ScanColumn& column : ScanColumns()) {
            if (!column.terminal.heading.empty())
                table += Cell(column, point);
        }
        table += "\n";
    }
    const PullSummary pulls = SummarisePulls(points);
    if (pulls.count > 0) {
        table += "Eltérés a várható beütésszámtól, szórásban (" + std::to_string(pulls.count)
            + " pont): átlag " + FixedText(pulls.mean, 1, 2) + ", négyzetes közép " + FixedText(pulls.rms, 1, 2) + "\n";
    }
    return table;
}

std::string ScanCsv(const std::vector<ScanPoint>& points, std::uint32_t seed)
{
    std::string csv;
    for (const ScanColumn& column : ScanColumns())
        csv += std::string(column.name) + ",";
    csv += std::string(SeedColumn) + "\n";
    for (const ScanPoint& p : points) {
        for (const ScanColumn& column : ScanColumns()) {
            const std::optional<double> value = column.value(p);
            if (value)
                csv += column.count ? std::to_string(std::int64_t(*value)) : ExactNumberText(*value);
            csv += ",";
        }
        csv += std::to_string(seed) + "\n";
    }
    return csv;
}
