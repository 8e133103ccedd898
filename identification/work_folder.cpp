#include "identification/work_folder.h"

#include "identification/contestant_code.h"
#include "identification/folder_access.h"

#include <QDir>
#include <QFileInfo>

#include <optional>
#include <string>

namespace {

WorkPlace EnterJuryPlace(const QString& rootFolder)
{
    WorkPlace place{QString(), rootFolder, QString()};
    if (!QDir::setCurrent(rootFolder))
        place.error = QStringLiteral("A munkamappába nem lehet belépni: %1").arg(QDir::toNativeSeparators(rootFolder));
    return place;
}

// Not a link, and inside the root once every link above it is resolved.
bool OwnFolder(const QString& rootFolder, const QString& code)
{
    const QFileInfo entry(rootFolder + code);
    if (entry.isSymLink() || entry.isJunction())
        return false;
    const QDir root(QFileInfo(rootFolder).canonicalFilePath());
    return !entry.exists() || entry.canonicalFilePath() == root.filePath(code);
}

// The folder made here is the contestant's alone, and a folder found is
// judged before it is entered, so that no picture lands where another
// account could delete or swap it.
WorkPlace EnterContestantPlace(const QString& rootFolder, const QString& code)
{
    const QString folder = rootFolder + code + u'/';
    WorkPlace place{folder, folder, QString()};
    if (OwnFolder(rootFolder, code) && !QFileInfo(folder).isDir() && !MakeOwnerOnlyFolder(rootFolder, code)
        && !QFileInfo(folder).isDir()) {
        place.error = QStringLiteral("A versenyző mappája nem hozható létre: %1").arg(QDir::toNativeSeparators(folder));
        return place;
    }
    place.error = ContestantFolderRefusal(rootFolder, code);
    if (!place.error.isEmpty()) {
        place.dialogFolder = rootFolder;
        place.refused = true;
    } else if (!QDir::setCurrent(folder))
        place.error = QStringLiteral("A versenyző mappájába nem lehet belépni: %1").arg(QDir::toNativeSeparators(folder));
    return place;
}

}

QString ContestantFolderRefusal(const QString& rootFolder, const QString& code)
{
    FolderRefusal refusal = FolderRefusal::Link;
    std::string owner;
    if (OwnFolder(rootFolder, code)) {
        const std::optional<FolderRights> rights = ReadFolderRights(rootFolder + code + u'/');
        refusal = rights ? JudgeContestantFolder(*rights) : FolderRefusal::None;
        owner = rights ? rights->owner : std::string();
    }
    if (refusal == FolderRefusal::None)
        return {};
    return QString::fromStdString(
        FolderRefusalMessage(refusal, QDir::toNativeSeparators(rootFolder + code).toStdString(), owner));
}

WorkPlace EnterWorkPlace(const QString& rootFolder, const QString& code)
{
    if (IsJuryCode(code))
        return EnterJuryPlace(rootFolder);
    return EnterContestantPlace(rootFolder, code);
}
