#pragma once

#include <QString>

#include <optional>

class QImage;

// Writes image to path as a baseline full-colour JPEG of quality 90, replacing
// a file of that name. The picture is written beside it first and takes the
// name only when complete, so a failed write leaves an earlier file as it was
// and never a broken one. Returns the message for the user on failure:
// "Cannot create file <path>" when the file cannot be made.
std::optional<QString> WriteJpeg(const QImage& image, const QString& path);
