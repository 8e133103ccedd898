#pragma once

#include "base/write_fault.h"

#include <QByteArrayView>
#include <QString>

#include <optional>

struct WriteFailure {
    WriteFault fault = WriteFault::Other;
    // The system's own words, for the faults it alone can name; for
    // LinkOnTheWay, the link.
    QString detail;
};

// The cause in a few Hungarian words, for a message: "megtelt a lemez".
QString FaultText(const WriteFailure& failure);

// What to do with a symbolic link at the path of a file to replace.
enum class AtLink {
    Follow,   // replace the file the link points to, and keep the link
    Refuse,   // write nothing, also for a link at a folder on the way: someone else may have planted it
};

// Writes bytes to path, replacing a file of that name. The bytes go to a new
// file in the same folder first; every write, the flush and the sync to disk
// are checked, and only then does it take the name. So on any failure the
// file at path is as it was, and nothing else is left behind. A replaced
// file keeps its permissions, and a write-protected one is not replaced.
std::optional<WriteFailure> WriteFileReplacing(const QString& path, QByteArrayView bytes,
                                               AtLink atLink = AtLink::Follow);

// What WriteFileReplacing refuses with AtLink::Refuse: a link (or a junction)
// at path itself or at any folder on the way to it. A path named as the links
// resolve passes.
std::optional<WriteFailure> LinkAtOrAbove(const QString& path);

// Writes bytes to path only if no file of that name exists, claiming the name
// first so that two programs never take the same one: WriteFault::NameTaken
// when another was there first. Written as WriteFileReplacing writes.
std::optional<WriteFailure> WriteNewFile(const QString& path, QByteArrayView bytes);
