#include "cli/evidence/evidence_sheet.h"

#include "base/number_scan.h"
#include "base/overloaded.h"

#include <map>
#include <string_view>

namespace {

struct FieldHeading {
    const char* heading;
    double width;
};

// Every field of the record, by its name in the JSON; the window's own words
// where it has them.
const std::map<std::string_view, FieldHeading>& FieldHeadings()
{
    static const std::map<std::string_view, FieldHeading> headings{
        {"format", {"Adatlap formátuma", 16}},
        {"program", {"Program verziója", 10}},
        {"contestant", {"Versenyző", 10}},
        {"teacherMode", {"Tanári mód", 8}},
        {"savedAt", {"Mentve", 20}},
        {"energyKeV", {"Áteresztett energia (keV)", 11}},
        {"fieldMicrotesla", {"Mágneses indukció (µT)", 11}},
        {"electricFieldVPerM", {"Elektromos térerősség (V/m)", 12}},
        {"fieldsOn", {"Terek bekapcsolva", 10}},
        {"slitStep", {"Blende lépése", 8}},
        {"slitMm", {"Blende (mm)", 8}},
        {"setCount", {"Beállított", 10}},
        {"stopAtSetCount", {"Leáll a Beállítottnál", 10}},
        {"clearDetectorOnStart", {"Indításkor töröl", 10}},
        {"tracksShown", {"Pályák látszanak", 10}},
        {"launched", {"Kibocsátott", 11}},
        {"detected", {"Beütésszám", 11}},
        {"measuringTime", {"Mérés ideje", 10}},
        {"running", {"Mérés fut", 8}},
        {"passLowerKeV", {"E_min (keV)", 10}},
        {"passUpperKeV", {"E_max (keV)", 10}},
        {"passWidthKeV", {"Energiaablak szélessége (keV)", 12}},
        {"source", {"Forrás", 14}},
        {"countsFromLastStart", {"A számok az utolsó indítástól", 12}},
        {"detectorClearedAtStart", {"Indításkor törölve", 10}},
        {"startTunedEnergyJoules", {"Indításkor: áteresztett energia (J)", 14}},
        {"startMagneticFieldTesla", {"Indításkor: mágneses indukció (T)", 14}},
        {"startElectricFieldVPerM", {"Indításkor: elektromos térerősség (V/m)", 14}},
        {"startSlitStep", {"Indításkor: Blende lépése", 10}},
        {"startSource", {"Indításkor: forrás", 14}},
        {"startPassLowerKeV", {"Indításkor: E_min (keV)", 11}},
        {"startPassUpperKeV", {"Indításkor: E_max (keV)", 11}},
        {"startPassWidthKeV", {"Indításkor: energiaablak szélessége (keV)", 13}},
        {"digest", {"Ellenőrzőösszeg (SHA-256)", 20}},
    };
    return headings;
}

// A box's text that is a number written with '.' becomes that number; other
// texts ("Nem számolható", a time) stay texts.
SheetCell TextCell(const QString& text)
{
    const std::string utf8 = text.toStdString();
    if (const std::optional<double> number = ScanWholeNumber(utf8); number && !utf8.empty())
        return *number;
    return utf8;
}

// The wall clock of the saving, as the record wrote it, offset aside.
SheetCell SavedAtCell(const QString& savedAt)
{
    const QDateTime at = QDateTime::fromString(savedAt.first(std::min<qsizetype>(savedAt.size(), 19)), Qt::ISODate);
    return at.isValid() ? SheetCell(at) : SheetCell(savedAt.toStdString());
}

// Texts that are names, even when they look like numbers: a contestant's
// code keeps its leading zeros, a version its dots.
bool IsName(std::string_view field)
{
    for (std::string_view name : {"format", "program", "contestant", "source", "startSource", "digest"})
        if (field == name)
            return true;
    return false;
}

SheetCell FieldCell(const EvidenceRecord& record, const EvidenceField& field)
{
    if (std::string_view(field.name) == "savedAt")
        return SavedAtCell(record.savedAt);
    if (IsName(field.name))
        return FieldText(record, field).toStdString();
    return std::visit(Overloaded{
                          [&](QString EvidenceRecord::*text) { return TextCell(record.*text); },
                          [&](bool EvidenceRecord::*flag) { return SheetCell(record.*flag); },
                          [&](qint32 EvidenceRecord::*number) { return SheetCell(double(record.*number)); },
                          [&](std::optional<qint32> EvidenceRecord::*number) {
                              return (record.*number) ? SheetCell(double(*(record.*number))) : SheetCell();
                          },
                          [&](double EvidenceRecord::*number) { return SheetCell(record.*number); },
                      },
                      field.member);
}

}

Sheet EvidenceSheet(const std::vector<EvidenceRow>& rows, const PlausibilityContext& context)
{
    Sheet sheet{"Képek", {}, {}, {}};
    const std::string summary = EvidenceSummary(rows);
    sheet.facts.emplace_back("Az ellenőrző program verziója", context.checkerVersion.toStdString());
    sheet.facts.emplace_back("Ellenőrizve", context.now);
    sheet.facts.emplace_back("Képek száma", double(PictureCount(rows)));
    sheet.facts.emplace_back("Összegzés", summary.substr(0, summary.find_last_not_of('\n') + 1));
    sheet.columns = {{"Mappa", 12}, {"Fájl", 18}, {"Állapot", 12}, {"Megjegyzés", 45}};
    for (const EvidenceField& field : EvidenceFields()) {
        const FieldHeading& heading = FieldHeadings().at(field.name);
        sheet.columns.push_back({heading.heading, heading.width});
    }
    for (const EvidenceRow& row : rows) {
        std::vector<SheetCell> cells{row.file.folder.toStdString(), row.file.name.toStdString(),
                                     StatusText(row.check.status).toStdString(), RowNote(row).toStdString()};
        for (const EvidenceField& field : EvidenceFields())
            cells.push_back(row.check.record ? FieldCell(*row.check.record, field) : SheetCell());
        sheet.rows.push_back(std::move(cells));
    }
    return sheet;
}
