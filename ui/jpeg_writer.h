#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

class QImage;
struct EvidenceRecord;

// Encodes image as a baseline full-colour JPEG of quality 90 with the JPEG
// library's floating-point DCT and nothing else in it. Returns the library's
// message on failure.
std::optional<QString> EncodeJpeg(const QImage& image, QByteArray& jpeg);

// Writes image to path as EncodeJpeg does, with record in one comment
// segment (see SealedPicture), replacing a file of that name. The picture is
// written beside it first and takes the name only when complete, so a failed
// write leaves an earlier file as it was and never a broken one. Returns the
// message for the user on failure: "Cannot create file <path>" when the file
// cannot be made.
std::optional<QString> WriteJpeg(const QImage& image, const EvidenceRecord& record, const QString& path);
