#include "evidence/evidence_record.h"

#include "base/overloaded.h"

#include <QLocale>

#include <array>

namespace {

const std::array<EvidenceField, 34> Fields{{
    {"format", &EvidenceRecord::format},
    {"program", &EvidenceRecord::program},
    {"contestant", &EvidenceRecord::contestant},
    {"teacherMode", &EvidenceRecord::teacherMode, 2},
    {"savedAt", &EvidenceRecord::savedAt},
    {"energyKeV", &EvidenceRecord::energyKeV},
    {"fieldMicrotesla", &EvidenceRecord::fieldMicrotesla},
    {"electricFieldVPerM", &EvidenceRecord::electricFieldVPerM},
    {"fieldsOn", &EvidenceRecord::fieldsOn},
    {"slitStep", &EvidenceRecord::slitStep},
    {"slitMm", &EvidenceRecord::slitMm},
    {"setCount", &EvidenceRecord::setCount},
    {"stopAtSetCount", &EvidenceRecord::stopAtSetCount},
    {"clearDetectorOnStart", &EvidenceRecord::clearDetectorOnStart},
    {"tracksShown", &EvidenceRecord::tracksShown},
    {"launched", &EvidenceRecord::launched},
    {"detected", &EvidenceRecord::detected},
    {"measuringTime", &EvidenceRecord::measuringTime},
    {"running", &EvidenceRecord::running},
    {"passLowerKeV", &EvidenceRecord::passLowerKeV},
    {"passUpperKeV", &EvidenceRecord::passUpperKeV},
    {"passWidthKeV", &EvidenceRecord::passWidthKeV},
    {"source", &EvidenceRecord::source},
    {"countsFromLastStart", &EvidenceRecord::countsFromLastStart, 3},
    {"detectorClearedAtStart", &EvidenceRecord::detectorClearedAtStart, 3},
    {"startTunedEnergyJoules", &EvidenceRecord::startTunedEnergyJoules, 3},
    {"startMagneticFieldTesla", &EvidenceRecord::startMagneticFieldTesla, 3},
    {"startElectricFieldVPerM", &EvidenceRecord::startElectricFieldVPerM, 3},
    {"startSlitStep", &EvidenceRecord::startSlitStep, 3},
    {"startSource", &EvidenceRecord::startSource, 3},
    {"startPassLowerKeV", &EvidenceRecord::startPassLowerKeV, 3},
    {"startPassUpperKeV", &EvidenceRecord::startPassUpperKeV, 3},
    {"startPassWidthKeV", &EvidenceRecord::startPassWidthKeV, 3},
    {"digest", &EvidenceRecord::digest},
}};

}

std::span<const EvidenceField> EvidenceFields()
{
    return Fields;
}

QString FieldText(const EvidenceRecord& record, const EvidenceField& field)
{
    return std::visit(Overloaded{
                          [&](QString EvidenceRecord::*text) { return record.*text; },
                          [&](bool EvidenceRecord::*flag) {
                              return record.*flag ? QStringLiteral("true") : QStringLiteral("false");
                          },
                          [&](qint32 EvidenceRecord::*number) { return QString::number(record.*number); },
                          [&](std::optional<qint32> EvidenceRecord::*number) {
                              return (record.*number) ? QString::number(*(record.*number)) : QString();
                          },
                          [&](double EvidenceRecord::*number) {
                              return QString::number(record.*number, 'g', QLocale::FloatingPointShortest);
                          },
                      },
                      field.member);
}
