#pragma once

#include "evidence/evidence_record.h"
#include "evidence/picture_digest.h"

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QFile>
#include <QImage>
#include <QString>

// A small JPEG as another program saves one, without any comment.
inline QByteArray PlainJpeg(QColor colour = QColor(40, 120, 200))
{
    QImage image(32, 24, QImage::Format_RGB888);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 90);
    return bytes;
}

// What contestant 21's window records after a measurement at 50 keV and 1000 µT.
inline EvidenceRecord MeasuredRecord(qint32 launched = 1000, qint32 detected = 37)
{
    EvidenceRecord record;
    record.program = QStringLiteral("2.2.0.3");
    record.contestant = QStringLiteral("21");
    record.savedAt = QStringLiteral("2024-03-15T10:42:07+01:00");
    record.energyKeV = QStringLiteral("50");
    record.fieldMicrotesla = 1000;
    record.electricFieldVPerM = QStringLiteral(" 123456.78901");
    record.fieldsOn = true;
    record.slitStep = 0;
    record.slitMm = QStringLiteral("0.5");
    record.setCount = 1000;
    record.stopAtSetCount = false;
    record.clearDetectorOnStart = true;
    record.tracksShown = true;
    record.launched = launched;
    record.detected = detected;
    record.measuringTime = QStringLiteral("0:00:02");
    record.running = false;
    record.passLowerKeV = QStringLiteral("    46.741");
    record.passUpperKeV = QStringLiteral("    53.402");
    record.passWidthKeV = QStringLiteral("     6.661");
    record.source = QStringLiteral("C-14 forrás");
    return record;
}

inline QByteArray SealedTestPicture(const EvidenceRecord& record = MeasuredRecord(),
                                    QColor colour = QColor(40, 120, 200))
{
    return SealedPicture(PlainJpeg(colour), record);
}

inline bool WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
