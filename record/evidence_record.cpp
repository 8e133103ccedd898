#include "record/evidence_record.h"

#include "base/number_text.h"
#include "base/overloaded.h"

#include <array>

namespace {

// The labels are the window's own words where it has them.
const std::array<EvidenceField, 34> Fields{{
    {"format", "Adatlapformátum", &EvidenceRecord::format},
    {"program", "Program változata", &EvidenceRecord::program},
    {"contestant", "Versenyző", &EvidenceRecord::contestant},
    {"teacherMode", "Tanári mód", &EvidenceRecord::teacherMode, 2},
    {"savedAt", "Mentve", &EvidenceRecord::savedAt},
    {"energyKeV", "Áteresztett energia (keV)", &EvidenceRecord::energyKeV},
    {"fieldMicrotesla", "Mágneses indukció (µT)", &EvidenceRecord::fieldMicrotesla},
    {"electricFieldVPerM", "Elektromos térerősség (V/m)", &EvidenceRecord::electricFieldVPerM},
    {"fieldsOn", "Terek bekapcsolva", &EvidenceRecord::fieldsOn},
    {"slitStep", "Blende lépése", &EvidenceRecord::slitStep},
    {"slitMm", "Blende (mm)", &EvidenceRecord::slitMm},
    {"setCount", "Beállított", &EvidenceRecord::setCount},
    {"stopAtSetCount", "Leáll a beállított számnál", &EvidenceRecord::stopAtSetCount},
    {"clearDetectorOnStart", "Indításkor töröl", &EvidenceRecord::clearDetectorOnStart},
    {"tracksShown", "Részecskék láthatók", &EvidenceRecord::tracksShown},
    {"launched", "Kibocsátott", &EvidenceRecord::launched},
    {"detected", "Beütésszám", &EvidenceRecord::detected},
    {"measuringTime", "Mérés ideje", &EvidenceRecord::measuringTime},
    {"running", "Mérés közben mentve", &EvidenceRecord::running},
    {"passLowerKeV", "E_min (keV)", &EvidenceRecord::passLowerKeV},
    {"passUpperKeV", "E_max (keV)", &EvidenceRecord::passUpperKeV},
    {"passWidthKeV", "Energiaablak szélessége (keV)", &EvidenceRecord::passWidthKeV},
    {"source", "Forrás", &EvidenceRecord::source},
    {"countsFromLastStart", "A számok az utolsó indítástól", &EvidenceRecord::countsFromLastStart, 3},
    {"detectorClearedAtStart", "Indításkor törölt detektor", &EvidenceRecord::detectorClearedAtStart, 3},
    {"startTunedEnergyJoules", "Indításkor: áteresztett energia (J)", &EvidenceRecord::startTunedEnergyJoules, 3},
    {"startMagneticFieldTesla", "Indításkor: mágneses indukció (T)", &EvidenceRecord::startMagneticFieldTesla, 3},
    {"startElectricFieldVPerM", "Indításkor: elektromos térerősség (V/m)", &EvidenceRecord::startElectricFieldVPerM, 3},
    {"startSlitStep", "Indításkor: Blende lépése", &EvidenceRecord::startSlitStep, 3},
    {"startSource", "Indításkor: forrás", &EvidenceRecord::startSource, 3},
    {"startPassLowerKeV", "Indításkor: E_min (keV)", &EvidenceRecord::startPassLowerKeV, 3},
    {"startPassUpperKeV", "Indításkor: E_max (keV)", &EvidenceRecord::startPassUpperKeV, 3},
    {"startPassWidthKeV", "Indításkor: energiaablak szélessége (keV)", &EvidenceRecord::startPassWidthKeV, 3},
    {"digest", "Ellenőrzőösszeg (SHA-256)", &EvidenceRecord::digest},
}};

}

std::span<const EvidenceField> EvidenceFields()
{
    return Fields;
}

std::string BrowserEditionProgram(std::string_view version)
{
    return std::string(version) + std::string(BrowserEditionMark);
}

bool SavedByBrowserEdition(const EvidenceRecord& record)
{
    return record.program.ends_with(BrowserEditionMark);
}

std::string_view ProgramVersion(const EvidenceRecord& record)
{
    const std::string_view program = record.program;
    return SavedByBrowserEdition(record) ? program.substr(0, program.size() - BrowserEditionMark.size()) : program;
}

std::string FieldText(const EvidenceRecord& record, const EvidenceField& field)
{
    return std::visit(Overloaded{
                          [&](std::string EvidenceRecord::*text) { return record.*text; },
                          [&](bool EvidenceRecord::*flag) { return std::string(record.*flag ? "true" : "false"); },
                          [&](std::int32_t EvidenceRecord::*number) { return std::to_string(record.*number); },
                          [&](std::optional<std::int32_t> EvidenceRecord::*number) {
                              return (record.*number) ? std::to_string(*(record.*number)) : std::string();
                          },
                          [&](double EvidenceRecord::*number) { return ShortestNumberText(record.*number); },
                      },
                      field.member);
}
