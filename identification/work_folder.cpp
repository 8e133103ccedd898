#include "identification/work_folder.h"

#include "identification/contestant_code.h"

#include <QDir>
#include <QFileInfo>

namespace {

WorkPlace EnterJuryPlace(const QString& rootFolder)
{
    WorkPlace place{QString(), rootFolder, QString()};
    if (!QDir::setCurrent(rootFolder))
        place.error = QStringLiteral("A munkamappába nem lehet belépni: %1").arg(rootFolder);
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

WorkPlace EnterContestantPlace(const QString& rootFolder, const QString& code)
{
    const QString folder = rootFolder + code + u'/';
    WorkPlace place{folder, folder, QString()};
    if (!OwnFolder(rootFolder, code)) {
        place.dialogFolder = rootFolder;
        place.error = QStringLiteral("A versenyző mappája másik helyre mutató link, ezért nem használható: %1\n"
                                     "Képet nem lehet menteni. Kérd meg a felügyelőt, hogy törölje a linket.")
                          .arg(QDir::toNativeSeparators(rootFolder + code));
        place.refused = true;
    } else if (!QFileInfo(folder).isDir() && !QDir(rootFolder).mkdir(code))
        place.error = QStringLiteral("A versenyző mappája nem hozható létre: %1").arg(QDir::toNativeSeparators(folder));
    else if (!QDir::setCurrent(folder))
        place.error = QStringLiteral("A versenyző mappájába nem lehet belépni: %1").arg(QDir::toNativeSeparators(folder));
    return place;
}

}

WorkPlace EnterWorkPlace(const QString& rootFolder, const QString& code)
{
    if (IsJuryCode(code))
        return EnterJuryPlace(rootFolder);
    return EnterContestantPlace(rootFolder, code);
}
