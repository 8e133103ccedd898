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

WorkPlace EnterContestantPlace(const QString& rootFolder, const QString& code)
{
    const QString folder = rootFolder + code + u'/';
    WorkPlace place{folder, folder, QString()};
    if (!QFileInfo(folder).isDir() && !QDir(rootFolder).mkdir(code))
        place.error = QStringLiteral("A versenyző mappája nem hozható létre: %1").arg(folder);
    else if (!QDir::setCurrent(folder))
        place.error = QStringLiteral("A versenyző mappájába nem lehet belépni: %1").arg(folder);
    return place;
}

}

WorkPlace EnterWorkPlace(const QString& rootFolder, const QString& code)
{
    if (IsJuryCode(code))
        return EnterJuryPlace(rootFolder);
    return EnterContestantPlace(rootFolder, code);
}
