#include "evidence/file_writing.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStorageInfo>

#include <filesystem>
#include <system_error>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace {

std::filesystem::path NativePath(const QString& path)
{
    return std::filesystem::path(path.toStdU16String());
}

// The data must be on the disk before the name moves to it, or a power cut
// could leave the name on an empty file.
bool SyncToDisk(QFile& file)
{
#ifdef Q_OS_WIN
    return _commit(file.handle()) == 0;
#else
    return ::fsync(file.handle()) == 0;
#endif
}

WriteFailure Failure(WriteFault fault, const QString& detail = QString())
{
    return {fault, detail};
}

bool IsLink(const QFileInfo& entry)
{
    return entry.isSymbolicLink() || entry.isJunction();
}

// Opens file as a new one; where it cannot, deniedByRights tells whether the
// system refused it for want of rights. Qt's isWritable does not read a
// Windows folder's access list, so there only the failed call's error code
// tells, and it must be read before any other call.
bool OpenNew(QFile& file, bool& deniedByRights)
{
    if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return true;
#ifdef Q_OS_WIN
    deniedByRights = GetLastError() == ERROR_ACCESS_DENIED;
#else
    deniedByRights = false;
#endif
    return false;
}

// Qt tells a full disk apart only on some systems; the free space tells it
// on all, as long as the unfinished file still holds its share.
WriteFailure WhyNotWritten(const QFile& file, const QString& folder, qint64 bytesWanted, bool deniedByRights = false)
{
    if (!QFileInfo(folder).isDir())
        return Failure(WriteFault::MissingFolder);
    const QStorageInfo storage(folder);
    if (storage.isValid() && storage.isReadOnly())
        return Failure(WriteFault::ReadOnlyFileSystem);
    if (file.error() == QFileDevice::ResourceError
        || (file.isOpen() && storage.isValid() && storage.bytesAvailable() < bytesWanted))
        return Failure(WriteFault::DiskFull);
    if (file.error() == QFileDevice::PermissionsError
        || (file.error() == QFileDevice::OpenError && (deniedByRights || !QFileInfo(folder).isWritable())))
        return Failure(WriteFault::NoPermission);
    return Failure(WriteFault::Other, file.errorString());
}

WriteFailure WhyNotRenamed(const std::error_code& error)
{
    const WriteFault fault = FaultOfError(error);
    return Failure(fault, fault == WriteFault::Other ? QString::fromLocal8Bit(error.message()) : QString());
}

// A new file beside target, under a name no one else uses, so that the
// rename that follows stays on one file system.
bool OpenBeside(QFile& temporary, const QString& target, bool& deniedByRights)
{
    const QFileInfo info(target);
    for (int attempt = 0; attempt < 16; ++attempt) {
        temporary.setFileName(info.absolutePath() + QStringLiteral("/.") + info.fileName()
                              + QStringLiteral(".%1.tmp").arg(QRandomGenerator::system()->generate(), 8, 16,
                                                              QLatin1Char('0')));
        if (OpenNew(temporary, deniedByRights))
            return true;
        if (!temporary.exists())
            return false;
    }
    return false;
}

// Writes through a temporary file and moves it onto target, which is a
// regular file or nothing.
std::optional<WriteFailure> Replace(const QString& target, QByteArrayView bytes)
{
    const QString folder = QFileInfo(target).absolutePath();
    QFile temporary;
    bool deniedByRights = false;
    if (!OpenBeside(temporary, target, deniedByRights))
        return WhyNotWritten(temporary, folder, bytes.size(), deniedByRights);
    auto fail = [&](const WriteFailure& failure) {
        temporary.close();
        temporary.remove();
        return failure;
    };
    if (QFileInfo::exists(target) && !temporary.setPermissions(QFile::permissions(target)))
        return fail(Failure(WriteFault::Other, temporary.errorString()));
    if (temporary.write(bytes.data(), bytes.size()) != bytes.size() || !temporary.flush())
        return fail(WhyNotWritten(temporary, folder, bytes.size()));
    if (!SyncToDisk(temporary))
        return fail(WhyNotWritten(temporary, folder, bytes.size()));
    temporary.close();
    if (temporary.error() != QFileDevice::NoError)
        return fail(WhyNotWritten(temporary, folder, bytes.size()));
    std::error_code error;
    std::filesystem::rename(NativePath(temporary.fileName()), NativePath(target), error);
    if (error)
        return fail(WhyNotRenamed(error));
    return std::nullopt;
}

}

QString FaultText(const WriteFailure& failure)
{
    switch (failure.fault) {
    case WriteFault::DiskFull:
        return QStringLiteral("megtelt a lemez");
    case WriteFault::NoPermission:
        return QStringLiteral("nincs írási jog");
    case WriteFault::ReadOnlyFileSystem:
        return QStringLiteral("csak olvasható a fájlrendszer");
    case WriteFault::MissingFolder:
        return QStringLiteral("nincs ilyen mappa");
    case WriteFault::NotARegularFile:
        return QStringLiteral("a helyén nem közönséges fájl áll");
    case WriteFault::SymbolicLink:
        return QStringLiteral("a helyén szimbolikus link áll");
    case WriteFault::LinkOnTheWay:
        return QStringLiteral("szimbolikus link áll az útvonalában: %1").arg(QDir::toNativeSeparators(failure.detail));
    case WriteFault::NameTaken:
        return QStringLiteral("már van ilyen nevű fájl");
    case WriteFault::Other:
        break;
    }
    return failure.detail.isEmpty() ? QStringLiteral("ismeretlen rendszerhiba")
                                    : QStringLiteral("rendszerhiba: %1").arg(failure.detail);
}

std::optional<WriteFailure> LinkAtOrAbove(const QString& path)
{
    // Cleaned, so that "link/../x" is checked as the "x" it is written to.
    const QString absolute = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    if (IsLink(QFileInfo(absolute)))
        return Failure(WriteFault::SymbolicLink);
    for (QString folder = QFileInfo(absolute).absolutePath();;) {
        if (IsLink(QFileInfo(folder)))
            return Failure(WriteFault::LinkOnTheWay, folder);
        const QString above = QFileInfo(folder).absolutePath();
        if (above == folder || above.isEmpty())
            return std::nullopt;
        folder = above;
    }
}

std::optional<WriteFailure> WriteFileReplacing(const QString& path, QByteArrayView bytes, AtLink atLink)
{
    QFileInfo target(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
    if (atLink == AtLink::Refuse) {
        if (std::optional<WriteFailure> link = LinkAtOrAbove(path))
            return link;
    } else if (target.isSymbolicLink()) {
        target = QFileInfo(target.exists() ? target.canonicalFilePath() : target.symLinkTarget());
    }
    if (target.exists() && !target.isFile())
        return Failure(WriteFault::NotARegularFile);
    if (target.exists() && !target.isWritable())
        return Failure(QStorageInfo(target.absolutePath()).isReadOnly() ? WriteFault::ReadOnlyFileSystem
                                                                         : WriteFault::NoPermission);
    return Replace(target.absoluteFilePath(), bytes);
}

std::optional<WriteFailure> WriteNewFile(const QString& path, QByteArrayView bytes)
{
    QFile claim(path);
    bool deniedByRights = false;
    if (!OpenNew(claim, deniedByRights)) {
        const QFileInfo taken(path);
        if (taken.exists() || taken.isSymLink())
            return Failure(WriteFault::NameTaken);
        return WhyNotWritten(claim, taken.absolutePath(), bytes.size(), deniedByRights);
    }
    claim.close();
    std::optional<WriteFailure> failure = Replace(path, bytes);
    if (failure)
        claim.remove();
    return failure;
}
