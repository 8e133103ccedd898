#include "cli/scan/scan_sheet.h"

#include "cli/scan/scan_columns.h"
#include "generated/vantor_version.h"

Sheet ScanSheet(const std::vector<ScanPoint>& points, const ScanOptions& options, const std::string& sourceName)
{
    Sheet sheet{"Pásztázás", {}, {}, {}};
    sheet.facts.emplace_back("A Vantor változata", std::string(VantorVersion));
    sheet.facts.emplace_back("Kezdőpont (--seed)", double(options.seed));
    sheet.facts.emplace_back("Forrás", sourceName);
    sheet.facts.emplace_back("Mágneses indukció (µT)", double(options.fieldMicrotesla));
    sheet.facts.emplace_back("Blende lépése", double(options.slitStep));
    sheet.facts.emplace_back("Kibocsátott pontonként", double(options.count));
    sheet.facts.emplace_back("Első áteresztett energia (keV)", options.fromKeV);
    sheet.facts.emplace_back("Utolsó áteresztett energia (keV)", options.toKeV);
    sheet.facts.emplace_back("Lépés (keV)", options.stepKeV);
    sheet.facts.emplace_back("Visszafejtés", options.unfold);
    for (const ScanColumn& column : ScanColumns())
        sheet.columns.push_back({std::string(column.heading), 13.0, column.decimals});
    for (const ScanPoint& point : points) {
        std::vector<SheetCell> cells;
        for (const ScanColumn& column : ScanColumns()) {
            if (const std::optional<double> value = column.value(point))
                cells.emplace_back(*value);
            else
                cells.emplace_back();
        }
        sheet.rows.push_back(std::move(cells));
    }
    return sheet;
}
