#include "cli/evidence/evidence_sheet.h"

#include "base/number_scan.h"
#include "base/overloaded.h"

#include <map>
#include <string_view>

namespace {

// The width of every field's column, by the field's name in the JSON: a
// source's name and the digest's heading are seen whole.
const std::map<std::string_view, double>& FieldWidths()
{
    static const std::map<std::string_view, double> widths{
        {"format", 16},
        {"program", 10},
        {"contestant", 10},
        {"teacherMode", 8},
        {"savedAt", 20},
        {"energyKeV", 11},
        {"fieldMicrotesla", 11},
        {"electricFieldVPerM", 12},
        {"fieldsOn", 10},
        {"slitStep", 8},
        {"slitMm", 8},
        {"setCount", 10},
        {"stopAtSetCount", 10},
        {"clearDetectorOnStart", 10},
        {"tracksShown", 10},
        {"launched", 11},
        {"detected", 11},
        {"measuringTime", 10},
        {"running", 8},
        {"passLowerKeV", 10},
        {"passUpperKeV", 10},
        {"passWidthKeV", 12},
        {"source", 30},
        {"countsFromLastStart", 12},
        {"detectorClearedAtStart", 10},
        {"startTunedEnergyJoules", 14},
        {"startMagneticFieldTesla", 14},
        {"startElectricFieldVPerM", 14},
        {"startSlitStep", 10},
        {"startSource", 30},
        {"startPassLowerKeV", 11},
        {"startPassUpperKeV", 11},
        {"startPassWidthKeV", 13},
        {"digest", 26},
    };
    return widths;
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
        return SavedAtCell(QString::fromStdString(record.savedAt));
    if (IsName(field.name))
        return FieldText(record, field);
    return std::visit(Overloaded{
                          [&](std::string EvidenceRecord::*text) { return TextCell(QString::fromStdString(record.*text)); },
                          [&](bool EvidenceRecord::*flag) { return SheetCell(record.*flag); },
                          [&](std::int32_t EvidenceRecord::*number) { return SheetCell(double(record.*number)); },
                          [&](std::optional<std::int32_t> EvidenceRecord::*number) {
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
    sheet.facts.emplace_back("Az ellenőrző program változata", context.checkerVersion.toStdString());
    sheet.facts.emplace_back("Ellenőrizve", context.now);
    sheet.facts.emplace_back("Képek száma", double(PictureCount(rows)));
    sheet.facts.emplace_back("Összegzés", summary.substr(0, summary.find_last_not_of('\n') + 1));
    sheet.columns = {{"Mappa", 12}, {"Fájl", 18}, {"Állapot", 12}, {"Megjegyzés", 45}};
    for (const EvidenceField& field : EvidenceFields()) {
        sheet.columns.push_back({field.label, FieldWidths().at(field.name)});
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
