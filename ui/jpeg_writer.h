#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

class QImage;
struct EvidenceRecord;
struct WriteFailure;

// Encodes image as a baseline full-colour JPEG of quality 90 with the JPEG
// library's floating-point DCT and nothing else in it. Returns the cause on
// failure, in Hungarian with the library's own words in brackets.
std::optional<QString> EncodeJpeg(const QImage& image, QByteArray& jpeg);

// image as EncodeJpeg encodes it, with record in one comment segment (see
// SealedPicture). Returns the message for the user, with the library's own,
// on failure.
std::optional<QString> EncodeSealedJpeg(const QImage& image, const EvidenceRecord& record, QByteArray& picture);

// Writes image to path as EncodeSealedJpeg encodes it, replacing a file of
// that name (see WriteFileReplacing: a failed write leaves an earlier file as
// it was and never a broken one). Returns the message for the user on failure.
std::optional<QString> WriteJpeg(const QImage& image, const EvidenceRecord& record, const QString& path);

// The message for the user when a picture cannot be written to path, with
// the cause: "A kép nem menthető: megtelt a lemez (<path>)".
QString PictureNotSavedText(const WriteFailure& failure, const QString& path);
