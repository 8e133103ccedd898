#include "cli/scan/scan_sheet.h"

#include "generated/vantor_version.h"

#include <functional>

namespace {

struct NumberColumn {
    const char* heading;
    int decimals;   // as the terminal's table shows them
    std::function<std::optional<double>(const ScanPoint&)> read;
};

// In the order of the CSV's columns.
const std::vector<NumberColumn>& Columns()
{
    static const std::vector<NumberColumn> columns{
        {"Áteresztett energia (keV)", 3, [](const ScanPoint& p) { return p.energyKeV; }},
        {"Kibocsátott", 0, [](const ScanPoint& p) { return double(p.launched); }},
        {"Beütésszám", 0, [](const ScanPoint& p) { return double(p.detected); }},
        {"E_min (keV)", 3, [](const ScanPoint& p) { return p.passLowerKeV; }},
        {"E_max (keV)", 3, [](const ScanPoint& p) { return p.passUpperKeV; }},
        {"Energiaablak szélessége (keV)", 3, [](const ScanPoint& p) { return p.passWidthKeV; }},
        {"Beütésszám/keV", 2, [](const ScanPoint& p) { return p.ratePerKeV; }},
        {"Beütésszám/keV hibája", 2, [](const ScanPoint& p) { return p.rateErrorPerKeV; }},
        {"Forrás intenzitása", 2, [](const ScanPoint& p) { return p.sourceIntensity; }},
        {"Forrás (illesztve)", 2, [](const ScanPoint& p) { return p.sourceScaled; }},
        {"Átengedett energiák alja (keV)", 3, [](const ScanPoint& p) { return p.responseLowerKeV; }},
        {"Átengedett energiák teteje (keV)", 3, [](const ScanPoint& p) { return p.responseUpperKeV; }},
        {"Várható beütésszám", 1, [](const ScanPoint& p) { return p.expectedDetected; }},
        {"Eltérés (szórásban)", 2, [](const ScanPoint& p) { return p.pull; }},
        {"Visszafejtett/keV", 2, [](const ScanPoint& p) { return p.unfoldedPerKeV; }},
        {"Visszafejtett/keV hibája", 2, [](const ScanPoint& p) { return p.unfoldedErrorPerKeV; }},
        {"95%-os alsó határ/keV", 2, [](const ScanPoint& p) { return p.unfoldedLowerPerKeV; }},
        {"95%-os felső határ/keV", 2, [](const ScanPoint& p) { return p.unfoldedUpperPerKeV; }},
        {"Valódi/keV", 2, [](const ScanPoint& p) { return p.truePerKeV; }},
    };
    return columns;
}

}

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
    for (const NumberColumn& column : Columns())
        sheet.columns.push_back({column.heading, 13.0, column.decimals});
    for (const ScanPoint& point : points) {
        std::vector<SheetCell> cells;
        for (const NumberColumn& column : Columns()) {
            if (const std::optional<double> value = column.read(point))
                cells.emplace_back(*value);
            else
                cells.emplace_back();
        }
        sheet.rows.push_back(std::move(cells));
    }
    return sheet;
}
