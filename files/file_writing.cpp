#include "files/file_writing.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStorageInfo>

#include <algorithm>
#include <system_error>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>
#endif

namespace {

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

// Opens file as a new one; where it cannot, openError is the system's error.
// Qt keeps only its words for it, and its isWritable does not read a Windows
// folder's access list, so the error must be read before any other call.
bool OpenNew(QFile& file, std::error_code& openError)
{
    if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return true;
#ifdef Q_OS_WIN
    openError = {static_cast<int>(GetLastError()), std::system_category()};
#else
    openError = {errno, std::generic_category()};
#endif
    return false;
}

// A file system out of room for files says so as one out of blocks.
bool NoRoomForAnotherFile(const QString& folder)
{
#ifdef Q_OS_WIN
    Q_UNUSED(folder);
    return false;
#else
    struct statvfs status;
    return ::statvfs(QFile::encodeName(folder).constData(), &status) == 0 && status.f_files > 0
        && status.f_favail == 0;
#endif
}

// Qt tells a full disk apart only on some systems; the free space tells it
// on all, as long as the unfinished file still holds its share.
WriteFailure WhyNotWritten(const QFile& file, const QString& folder, qint64 bytesWanted,
                           const std::error_code& openError = {})
{
    if (!QFileInfo(folder).isDir())
        return Failure(WriteFault::MissingFolder);
    const QStorageInfo storage(folder);
    if (storage.isValid() && storage.isReadOnly())
        return Failure(WriteFault::ReadOnlyFileSystem);
    if (const WriteFault fault = openError ? FaultOfError(openError) : WriteFault::Other; fault != WriteFault::Other)
        return Failure(fault == WriteFault::DiskFull && NoRoomForAnotherFile(folder) ? WriteFault::NoFreeInodes : fault);
    // A file that could not even be opened ran out of descriptors, not of disk.
    if ((file.error() == QFileDevice::ResourceError && !openError)
        || (file.isOpen() && storage.isValid() && storage.bytesAvailable() < bytesWanted))
        return Failure(WriteFault::DiskFull);
    if (file.error() == QFileDevice::PermissionsError
        || (file.error() == QFileDevice::OpenError && !QFileInfo(folder).isWritable()))
        return Failure(WriteFault::NoPermission);
    return Failure(WriteFault::Other, file.errorString());
}

WriteFailure WhyNotRenamed(const std::error_code& error)
{
    return Failure(FaultOfError(error), QString::fromLocal8Bit(error.message()));
}

constexpr int RandomDigits = 8;
const QLatin1StringView TemporarySuffix(".tmp");

QString TemporaryName(const QString& target)
{
    return QStringLiteral(".") + target + u'.'
         + QStringLiteral("%1").arg(QRandomGenerator::system()->generate(), RandomDigits, 16, QLatin1Char('0'))
         + TemporarySuffix;
}

// A temporary file is held by the write that made it until it has its name,
// so that another write's clearing passes it over. On Linux a lock held on it
// says so, which the system drops when the writer dies; Windows does not let
// a file open in another program be removed.
class Hold {
public:
    Hold() = default;
    Hold(const Hold&) = delete;
    Hold& operator=(const Hold&) = delete;
    ~Hold()
    {
#ifndef Q_OS_WIN
        if (m_descriptor >= 0)
            ::close(m_descriptor);
#endif
    }

    // False when a clearing removed the file before it was held.
    bool Take([[maybe_unused]] QFile& file)
    {
#ifndef Q_OS_WIN
        m_descriptor = ::dup(file.handle());
        struct stat status {};
        return m_descriptor >= 0 && ::flock(m_descriptor, LOCK_EX) == 0 && ::fstat(m_descriptor, &status) == 0
            && status.st_nlink > 0;
#else
        return true;
#endif
    }

private:
#ifndef Q_OS_WIN
    int m_descriptor = -1;
#endif
};

// Removes the temporary files of earlier writes to target that were killed
// before it took its name, passing over those another write still holds.
void ClearLeftovers(const QString& target)
{
    const QFileInfo info(target);
    const QDir folder = info.absoluteDir();
    const QStringList names = folder.entryList({QStringLiteral(".*") + TemporarySuffix},
                                               QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names) {
        if (TemporaryCopyTarget(name) != info.fileName())
            continue;
        const QString path = folder.filePath(name);
#ifdef Q_OS_WIN
        QFile::remove(path);
#else
        const QByteArray native = QFile::encodeName(path);
        const int descriptor = ::open(native.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (descriptor < 0)
            continue;
        if (::flock(descriptor, LOCK_EX | LOCK_NB) == 0)
            ::unlink(native.constData());
        ::close(descriptor);
#endif
    }
}

// A new file beside target, under a name no one else uses, so that the
// rename that follows stays on one file system.
bool OpenBeside(QFile& temporary, Hold& hold, const QString& target, std::error_code& openError)
{
    const QFileInfo info(target);
    for (int attempt = 0; attempt < 16; ++attempt) {
        temporary.setFileName(info.absolutePath() + u'/' + TemporaryName(info.fileName()));
        if (OpenNew(temporary, openError)) {
            if (hold.Take(temporary))
                return true;
            temporary.close();
            continue;
        }
        if (!temporary.exists())
            return false;
    }
    return false;
}

enum class Naming {
    Replacing,
    IfFree,   // only where no file has the name yet
};

#ifndef Q_OS_WIN
// After a rename the name is in the folder, which has its own blocks to sync.
// A file system that cannot sync a folder has nothing to add to the rename.
void SyncFolder(const QString& folder)
{
    const int descriptor = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        return;
    ::fsync(descriptor);
    ::close(descriptor);
}
#endif

#ifdef Q_OS_WIN
// Windows refuses to replace a file that another program holds open (a table
// open in a spreadsheet) as it refuses a folder's access list, with "access
// denied"; asking for the right to remove the file tells the two apart.
bool TargetHeldOpen(const QString& target)
{
    const HANDLE probe = CreateFileW(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(target).utf16()),
                                     DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                     OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (probe != INVALID_HANDLE_VALUE) {
        CloseHandle(probe);
        return false;
    }
    return GetLastError() == ERROR_SHARING_VIOLATION;
}
#endif

// Gives the file at temporary the name target. Taking a free name is one step
// that no other program can take at the same time.
std::error_code Name(const QString& temporary, const QString& target, Naming naming)
{
#ifdef Q_OS_WIN
    // Written through, the move is on the disk when the call returns.
    const DWORD flags = MOVEFILE_WRITE_THROUGH | (naming == Naming::Replacing ? MOVEFILE_REPLACE_EXISTING : 0);
    if (MoveFileExW(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(temporary).utf16()),
                    reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(target).utf16()), flags))
        return {};
    const DWORD error = GetLastError();
    if (error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS)
        return std::make_error_code(std::errc::file_exists);
    if (error == ERROR_ACCESS_DENIED && TargetHeldOpen(target))
        return {ERROR_SHARING_VIOLATION, std::system_category()};
    return {static_cast<int>(error), std::system_category()};
#else
    const QByteArray from = QFile::encodeName(temporary);
    const QByteArray to = QFile::encodeName(target);
    int result = 0;
    if (naming == Naming::Replacing) {
        result = ::rename(from.constData(), to.constData());
    } else {
        result = ::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE);
        // NFS has no such rename, but a second name is taken there as
        // atomically, and the first can then go.
        if (result != 0 && (errno == EINVAL || errno == ENOSYS || errno == ENOTSUP)) {
            result = ::link(from.constData(), to.constData());
            if (result == 0)
                ::unlink(from.constData());
        }
    }
    if (result != 0)
        return {errno, std::generic_category()};
    SyncFolder(QFileInfo(target).absolutePath());
    return {};
#endif
}

// Writes through a temporary file and gives it the name target, which is a
// regular file or nothing.
std::optional<WriteFailure> Publish(const QString& target, QByteArrayView bytes, Naming naming,
                                    const BeforeNaming& beforeNaming)
{
    const QString folder = QFileInfo(target).absolutePath();
    QFile temporary;
    Hold hold;
    std::error_code openError;
    if (!OpenBeside(temporary, hold, target, openError))
        return WhyNotWritten(temporary, folder, bytes.size(), openError);
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
    if (beforeNaming)
        beforeNaming();
    const std::error_code error = Name(temporary.fileName(), target, naming);
    if (error == std::errc::file_exists)
        return fail(Failure(WriteFault::NameTaken));
    if (error)
        return fail(WhyNotRenamed(error));
    return std::nullopt;
}

}

QString FaultText(const WriteFailure& failure)
{
    // The link is named by its place, not by the system.
    if (failure.fault == WriteFault::LinkOnTheWay)
        return QString::fromStdString(FaultText(failure.fault, FileAccess::Writing, {})) + QStringLiteral(": ")
             + QDir::toNativeSeparators(failure.detail);
    return QString::fromStdString(FaultText(failure.fault, FileAccess::Writing, failure.detail.toStdString()));
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

std::optional<WriteFailure> WriteFileReplacing(const QString& path, QByteArrayView bytes, AtLink atLink,
                                               const BeforeNaming& beforeNaming)
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
    ClearLeftovers(target.absoluteFilePath());
    return Publish(target.absoluteFilePath(), bytes, Naming::Replacing, beforeNaming);
}

std::optional<WriteFailure> WriteNewFile(const QString& path, QByteArrayView bytes, const BeforeNaming& beforeNaming)
{
    const QFileInfo taken(path);
    if (taken.exists() || taken.isSymLink())
        return Failure(WriteFault::NameTaken);
    return Publish(taken.absoluteFilePath(), bytes, Naming::IfFree, beforeNaming);
}

std::optional<QString> TemporaryCopyTarget(const QString& fileName)
{
    const qsizetype randomPart = 1 + RandomDigits + TemporarySuffix.size();
    if (fileName.size() <= 1 + randomPart || !fileName.startsWith(u'.') || !fileName.endsWith(TemporarySuffix)
        || fileName[fileName.size() - randomPart] != u'.')
        return std::nullopt;
    const QStringView digits = QStringView(fileName).sliced(fileName.size() - randomPart + 1, RandomDigits);
    const bool hexadecimal = std::all_of(digits.begin(), digits.end(), [](QChar c) {
        return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f');
    });
    if (!hexadecimal)
        return std::nullopt;
    return fileName.sliced(1, fileName.size() - 1 - randomPart);
}
