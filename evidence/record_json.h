#pragma once

#include "evidence/evidence_record.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Texts longer than this are cut when the record is written, so that the
// record always fits into one JPEG comment segment (65533 bytes); the boxes
// show far less of a text than that.
inline constexpr qsizetype MaxRecordTextLength = 256;

// The record as a picture carries it: one line of UTF-8 JSON with the fields
// in their listed order, the format first and the digest last.
QByteArray RecordJson(const EvidenceRecord& record);

// What a comment segment turned out to hold.
struct RecordReading {
    enum class Kind {
        NotARecord,   // a comment of another program, or a layout this one does not know
        Broken,       // claims to be a record, but a field is missing or of the wrong kind
        Read,
    };
    Kind kind = Kind::NotARecord;
    QString problem;   // why it is not a record, or what is broken
    EvidenceRecord record;
};

RecordReading ReadRecord(QByteArrayView comment);
