#pragma once

#include "record/evidence_record.h"

#include <QByteArray>
#include <QByteArrayView>

#include <cstddef>
#include <string>
#include <string_view>

// The digest of file (see DigestedParts) with Qt's SHA-256, in lowercase
// hexadecimal.
std::string PictureDigest(std::string_view file, std::size_t digestAt);

// jpeg, a picture without comments, with record in a comment segment and the
// record's digest set for the result.
QByteArray SealedPicture(QByteArrayView jpeg, EvidenceRecord record);
