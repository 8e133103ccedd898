#pragma once

#include "base/write_fault.h"

#include <QByteArrayView>
#include <QString>

#include <functional>
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

// Called once the bytes are on the disk under the temporary name, just
// before they take their own; tests stop a write there, as a kill would.
using BeforeNaming = std::function<void()>;

// Writes bytes to path, replacing a file of that name. The bytes go to a new
// file in the same folder first; every write, the flush and the sync to disk
// are checked, and only then does it take the name, and the folder is synced
// so that the name stays after a power cut. So on any failure the file at
// path is as it was, and nothing else is left behind; a write killed half way
// leaves the temporary file (see TemporaryCopyTarget), which the next write to
// path removes. A replaced file keeps its permissions, and a write-protected
// one is not replaced.
std::optional<WriteFailure> WriteFileReplacing(const QString& path, QByteArrayView bytes,
                                               AtLink atLink = AtLink::Follow,
                                               const BeforeNaming& beforeNaming = {});

// What WriteFileReplacing refuses with AtLink::Refuse: a link (or a junction)
// at path itself or at any folder on the way to it. A path named as the links
// resolve passes.
std::optional<WriteFailure> LinkAtOrAbove(const QString& path);

// Writes bytes to path only if no file of that name exists:
// WriteFault::NameTaken when another was there first. Written as
// WriteFileReplacing writes, but the name is taken only by the finished file,
// in one step that two programs can never both take: so path is never an
// empty or half-written file, not even after a kill, and the temporary file a
// killed write leaves is kept, since it may hold the only copy of what was
// saved.
std::optional<WriteFailure> WriteNewFile(const QString& path, QByteArrayView bytes,
                                         const BeforeNaming& beforeNaming = {});

// The name the file of fileName was to take, if fileName is one of the
// temporary files the writing leaves when it is killed
// (".01_spektrum.jpg.1a2b3c4d.tmp" for "01_spektrum.jpg").
std::optional<QString> TemporaryCopyTarget(const QString& fileName);
