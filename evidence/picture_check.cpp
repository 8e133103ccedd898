#include "evidence/picture_check.h"

#include "base/file_reading.h"
#include "base/write_fault.h"
#include "files/file_writing.h"
#include "evidence/picture_digest.h"
#include "evidence/record_reading.h"
#include "record/jpeg_segments.h"
#include "record/picture_sealing.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

bool IsHexDigest(const std::string& digest)
{
    return digest.size() == DigestLength && std::all_of(digest.cbegin(), digest.cend(), [](char c) {
               return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
           });
}

PictureCheck CheckDigest(std::string_view file, const JpegLayout& layout, const JpegSegment& comment,
                         const EvidenceRecord& record)
{
    if (!IsHexDigest(record.digest))
        return {EvidenceStatus::Modified, QStringLiteral("az ellenőrzőösszeg nem 64 jegyű hexadecimális szám"), record};
    const std::optional<std::size_t> place = DigestPlace(CommentText(file, comment), record.digest);
    if (!place)
        return {EvidenceStatus::Modified, QStringLiteral("az adatlap nem olyan alakú, amilyet a program ír"), record};
    const std::string digest = PictureDigest(file, comment.begin + 4 + *place);
    // The program writes lowercase digits; a digest in capitals still matches.
    const auto lowercase = [](char c) { return c >= 'A' && c <= 'F' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (std::ranges::equal(digest, record.digest, {}, {}, lowercase))
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

PictureCheck CheckPicture(QByteArrayView bytes)
{
    const std::string_view file(bytes.data(), static_cast<std::size_t>(bytes.size()));
    const JpegLayout layout = ScanJpeg(file);
    QString notARecord = QStringLiteral("nincs megjegyzés a képben");
    const JpegSegment* recordComment = nullptr;
    RecordReading reading;
    for (const JpegSegment& comment : layout.comments) {
        const std::string_view text = CommentText(file, comment);
        reading = ReadRecord(QByteArrayView(text.data(), qsizetype(text.size())));
        if (reading.kind != RecordReading::Kind::NotARecord) {
            recordComment = &comment;
            break;
        }
        notARecord = reading.problem;
    }
    const bool read = recordComment && reading.kind == RecordReading::Kind::Read;
    if (!layout.problem.empty())
        return {EvidenceStatus::Unreadable, QString::fromStdString(layout.problem),
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
