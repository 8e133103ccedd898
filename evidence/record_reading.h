#pragma once

#include "record/evidence_record.h"

#include <QByteArrayView>
#include <QString>

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
