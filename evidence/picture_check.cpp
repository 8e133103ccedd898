#include "evidence/picture_check.h"

#include "base/file_reading.h"
#include "base/write_fault.h"
#include "evidence/file_writing.h"
#include "evidence/jpeg_segments.h"
#include "evidence/picture_digest.h"
#include "evidence/record_json.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

bool IsHexDigest(const QString& digest)
{
    return digest.size() == DigestLength && std::all_of(digest.cbegin(), digest.cend(), [](QChar c) {
               return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
           });
}

PictureCheck CheckDigest(QByteArrayView file, const JpegLayout& layout, const JpegSegment& comment,
                         const EvidenceRecord& record)
{
    if (!IsHexDigest(record.digest))
        return {EvidenceStatus::Modified, QStringLiteral("az ellenőrzőösszeg nem 64 jegyű hexadecimális szám"), record};
    const qsizetype place = DigestPlace(CommentText(file, comment), record.digest.toLatin1());
    if (place < 0)
        return {EvidenceStatus::Modified, QStringLiteral("az adatlap nem olyan alakú, amilyet a program ír"), record};
    const QByteArray digest = PictureDigest(file, comment.begin + 4 + place);
    if (digest.compare(record.digest.toLatin1(), Qt::CaseInsensitive) == 0)
        return {EvidenceStatus::Intact, {}, record};
    if (layout.comments.size() > 1)
        return {EvidenceStatus::Modified,
                QStringLiteral("az ellenőrzőösszeg nem egyezik; a képben %1 megjegyzés van, a program csak egyet ír")
                    .arg(layout.comments.size()),
                record};
    return {EvidenceStatus::Modified, QStringLiteral("az ellenőrzőösszeg nem egyezik"), record};
}

}

QString StatusText(EvidenceStatus status)
{
    const std::string_view name = StatusName(status);
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

PictureCheck CheckPicture(QByteArrayView file)
{
    const JpegLayout layout = ScanJpeg(file);
    QString notARecord = QStringLiteral("nincs megjegyzés a képben");
    const JpegSegment* recordComment = nullptr;
    RecordReading reading;
    for (const JpegSegment& comment : layout.comments) {
        reading = ReadRecord(CommentText(file, comment));
        if (reading.kind != RecordReading::Kind::NotARecord) {
            recordComment = &comment;
            break;
        }
        notARecord = reading.problem;
    }
    const bool read = recordComment && reading.kind == RecordReading::Kind::Read;
    if (!layout.problem.isEmpty())
        return {EvidenceStatus::Unreadable, layout.problem,
                read ? std::optional<EvidenceRecord>(reading.record) : std::nullopt};
    if (!recordComment)
        return {EvidenceStatus::NoRecord, notARecord, std::nullopt};
    if (!read)
        return {EvidenceStatus::Modified, reading.problem, std::nullopt};
    return CheckDigest(file, layout, *recordComment, reading.record);
}

namespace {

PictureCheck CheckRegularFile(const QFileInfo& info)
{
    if (!info.exists())
        return {EvidenceStatus::Unreadable, QStringLiteral("nem található"), std::nullopt};
    // The listing names a folder only when it cannot look inside it.
    if (info.isDir())
        return {EvidenceStatus::Unreadable, QStringLiteral("a mappa nem olvasható"), std::nullopt};
    if (!info.isFile())
        return {EvidenceStatus::Unreadable, QStringLiteral("nem közönséges fájl"), std::nullopt};
    if (info.size() > MaxPictureBytes)
        return {EvidenceStatus::Unreadable,
                QStringLiteral("túl nagy ahhoz, hogy a program képe legyen (%1 bájt)").arg(info.size()), std::nullopt};
    const FileBytes read = ReadFileBytes(info.filesystemFilePath(), static_cast<std::size_t>(MaxPictureBytes) + 1);
    if (read.error)
        return {EvidenceStatus::Unreadable,
                QStringLiteral("nem olvasható: %1").arg(QString::fromStdString(ErrorText(read.error, FileAccess::Reading))),
                std::nullopt};
    return CheckPicture(QByteArrayView(read.bytes));
}

}

PictureCheck CheckPictureFile(const QString& path)
{
    const QFileInfo info(path);
    if (info.isSymbolicLink() || info.isJunction()) {
        const QString pointsTo = QDir::toNativeSeparators(info.isJunction() ? info.junctionTarget()
                                                                            : info.symLinkTarget());
        return {EvidenceStatus::Link,
                pointsTo.isEmpty() ? QStringLiteral("nem olvasható, hova mutat")
                                   : QStringLiteral("ide mutat: %1").arg(pointsTo),
                std::nullopt};
    }
    PictureCheck check = CheckRegularFile(info);
    const std::optional<QString> target = TemporaryCopyTarget(info.fileName());
    if (!target)
        return check;
    QString held = StatusText(check.status);
    if (!check.reason.isEmpty())
        held += QStringLiteral(": ") + check.reason;
    check.reason = QStringLiteral("félbemaradt mentés maradéka, a neve %1 lett volna; a benne lévő kép: %2").arg(*target, held);
    check.status = EvidenceStatus::Leftover;
    return check;
}
