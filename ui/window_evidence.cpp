#include "ui/tform1.h"

#include "base/number_text.h"
#include "core/simulation.h"
#include "generated/vantor_version.h"
#include "identification/contestant_code.h"
#include "ui/up_down.h"

#include <QCheckBox>
#include <QDateTime>
#include <QLabel>
#include <QLineEdit>

#include <chrono>
#include <cstdlib>

namespace {

std::optional<qint32> WholeNumberIn(const QLineEdit* box)
{
    return ParseIntegerText(box->text().toStdString());
}

// Local time with its offset from UTC, so that pictures from machines in
// different zones or seasons can be put in order. The offset is written as
// a number also where it is zero, which Qt would write as "Z".
QString LocalTime(std::chrono::system_clock::time_point moment)
{
    const QDateTime now =
        QDateTime::fromMSecsSinceEpoch(std::chrono::duration_cast<std::chrono::milliseconds>(moment.time_since_epoch()).count());
    const int offsetMinutes = std::abs(now.offsetFromUtc()) / 60;
    const QString sign = now.offsetFromUtc() < 0 ? QStringLiteral("-") : QStringLiteral("+");
    return now.toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss")) + sign
        + QStringLiteral("%1:%2")
              .arg(offsetMinutes / 60, 2, 10, QLatin1Char('0'))
              .arg(offsetMinutes % 60, 2, 10, QLatin1Char('0'));
}

}

EvidenceRecord TForm1::EvidenceNow()
{
    // A picture can only be saved in the window's turn, when the counter
    // boxes have just been written from the run.
    const RunState& run = m_sim.run;
    EvidenceRecord record;
    record.program = VantorVersion;
    record.contestant = IsJuryCode(m_contestantCode) ? std::string(JuryContestant) : m_contestantCode.toStdString();
    record.teacherMode = m_services.mode == StartMode::Teacher;
    record.savedAt = LocalTime(m_services.clock.wall()).toStdString();
    record.energyKeV = Edit7->text().toStdString();
    record.fieldMicrotesla = WholeNumberIn(BField);
    record.electricFieldVPerM = EField->text().toStdString();
    record.fieldsOn = CheckBox3->isChecked();
    record.slitStep = UpDown3->position();
    record.slitMm = Blende3->text().toStdString();
    record.setCount = WholeNumberIn(Edit6);
    record.stopAtSetCount = CheckBox1->isChecked();
    record.clearDetectorOnStart = CheckBox5->isChecked();
    record.tracksShown = CheckBox4->isChecked();
    record.launched = run.launchedCount;
    record.detected = run.detectedCount;
    record.measuringTime = Edit1->text().toStdString();
    record.running = run.running;
    record.passLowerKeV = Edit12->text().toStdString();
    record.passUpperKeV = Edit13->text().toStdString();
    record.passWidthKeV = Edit14->text().toStdString();
    record.source = m_sourceName.toStdString();
    record.countsFromLastStart = m_run.Origin().alone;
    record.detectorClearedAtStart = m_run.Origin().detectorCleared;
    const CountSetting& start = m_run.Origin().setting;
    record.startTunedEnergyJoules = start.filter.tunedEnergy;
    record.startMagneticFieldTesla = start.filter.magneticField;
    record.startElectricFieldVPerM = start.filter.electricField;
    record.startSlitStep = start.slitStep;
    record.startSource = start.source;
    record.startPassLowerKeV = m_run.Origin().passLower;
    record.startPassUpperKeV = m_run.Origin().passUpper;
    record.startPassWidthKeV = m_run.Origin().passWidth;
    return record;
}
