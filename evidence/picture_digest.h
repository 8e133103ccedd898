#pragma once

#include "evidence/evidence_record.h"

#include <QByteArray>
#include <QByteArrayView>

// The digest a record carries: the SHA-256 of the whole file as saved, in
// lowercase hexadecimal, with the 64 characters of the digest itself read as
// the digit 0. So it covers the pixels, the headers and every other field of
// the record, and changes when any byte outside its own digits does. It is
// no signature: anyone with the program can make a new one.
QByteArray PictureDigest(QByteArrayView file, qsizetype digestAt);

inline constexpr qsizetype DigestLength = 64;

// jpeg, a picture without comments, with record in a comment segment and the
// record's digest set for the result.
QByteArray SealedPicture(QByteArrayView jpeg, EvidenceRecord record);

// Where the digest's digits stand in a record's comment text, as the program
// writes it: "digest":"<digits>" once and only once. -1 when they do not.
qsizetype DigestPlace(QByteArrayView comment, QByteArrayView digest);
