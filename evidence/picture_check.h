#pragma once

#include "evidence/evidence_status.h"
#include "record/evidence_record.h"

#include <QByteArrayView>
#include <QString>

#include <optional>

// StatusName as a QString.
QString StatusText(EvidenceStatus status);

struct PictureCheck {
    EvidenceStatus status = EvidenceStatus::Unreadable;
    QString reason;   // what is wrong, in a few words; empty when intact
    // The record as read, also from an altered or unreadable file, so that
    // the jury sees what it claims.
    std::optional<EvidenceRecord> record;
};

// The record is the first comment that claims to be one; any other comment
// is part of the file that its digest covers.
PictureCheck CheckPicture(QByteArrayView file);

// Larger files are no pictures of the window, and are not read.
inline constexpr qint64 MaxPictureBytes = 64 * 1024 * 1024;

// The file at path, never through a link: a link at path is a Link, with
// where it points as its reason ("ide mutat: …"), since in a shared
// folder anyone may have planted it to show another's picture as their own.
// A temporary file of the writing (see TemporaryCopyTarget) is a Leftover,
// whose reason names the picture it was to be and what the check makes of
// what it holds, with the record it claims.
PictureCheck CheckPictureFile(const QString& path);
