#include "ui/tform1.h"

#include "core/simulation.h"
#include "generated/vantor_version.h"
#include "identification/contestant_code.h"
#include "ui/layout/window_record.h"
#include "ui/up_down.h"

#include <QDateTime>

#include <chrono>
#include <cstdlib>

namespace {

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
    EvidenceRecord record = WindowRecord(*this, UpDown3->position(), m_sim.run, m_run.Origin(), m_sourceName.toStdString());
    record.program = VantorVersion;
    record.contestant = IsJuryCode(m_contestantCode) ? std::string(JuryContestant) : m_contestantCode.toStdString();
    record.teacherMode = m_services.mode == StartMode::Teacher;
    record.savedAt = LocalTime(m_services.clock.wall()).toStdString();
    return record;
}
