#pragma once

#include "record/evidence_record.h"
#include "evidence/picture_digest.h"
#include "tests/support/band_at_50kev.h"

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QFile>
#include <QImage>
#include <QString>

#include <optional>

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

// The share of C-14's drawn energies that the band at 50 keV, 1000 µT and
// the narrowest slit lets through.
inline constexpr double ShareAt50KeV = 0.0719316;

// What contestant 21's window records after a Start at 50 keV and 1000 µT,
// with the narrowest slit; the detected count is the expected one unless given.
inline EvidenceRecord MeasuredRecord(qint32 launched = 1000, std::optional<qint32> detected = std::nullopt)
{
    EvidenceRecord record;
    record.program = "2.2.0.3";
    record.contestant = "21";
    record.savedAt = "2024-03-15T10:42:07+01:00";
    record.energyKeV = "50";
    record.fieldMicrotesla = 1000;
    record.electricFieldVPerM = " 123456.78901";
    record.fieldsOn = true;
    record.slitStep = 0;
    record.slitMm = "0.5";
    record.setCount = 1000;
    record.stopAtSetCount = false;
    record.clearDetectorOnStart = true;
    record.tracksShown = true;
    record.launched = launched;
    record.detected = detected.value_or(qRound(ShareAt50KeV * launched));
    record.measuringTime = "0:00:02";
    record.running = false;
    record.passLowerKeV = BandAt50KeV.lower;
    record.passUpperKeV = BandAt50KeV.upper;
    record.passWidthKeV = BandAt50KeV.width;
    record.source = "Béta-forrás: radiokarbon (C-14)";
    record.countsFromLastStart = true;
    record.detectorClearedAtStart = true;
    record.startTunedEnergyJoules = 8.0108831699999992e-15;
    record.startMagneticFieldTesla = 0.001;
    record.startElectricFieldVPerM = 123720.20302795917;
    record.startSlitStep = 0;
    record.startSource = record.source;
    record.startPassLowerKeV = record.passLowerKeV;
    record.startPassUpperKeV = record.passUpperKeV;
    record.startPassWidthKeV = record.passWidthKeV;
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
