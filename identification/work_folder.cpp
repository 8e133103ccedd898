#include "identification/work_folder.h"

#include "identification/contestant_code.h"

#include <QDir>
#include <QFileInfo>

namespace {

WorkPlace EnterJuryPlace(const QString& programFolder)
{
    WorkPlace place{QString(), programFolder, QString()};
    if (!QDir::setCurrent(programFolder))
        place.error = QStringLiteral("A program mappájába nem lehet belépni: %1").arg(programFolder);
    return place;
}

WorkPlace EnterContestantPlace(const QString& programFolder, const QString& code)
{
    const QString folder = programFolder + code + u'/';
    WorkPlace place{folder, folder, QString()};
    if (!QFileInfo(folder).isDir() && !QDir(programFolder).mkdir(code))
        place.error = QStringLiteral("A versenyző mappája nem hozható létre: %1").arg(folder);
    else if (!QDir::setCurrent(folder))
        place.error = QStringLiteral("A versenyző mappájába nem lehet belépni: %1").arg(folder);
    return place;
}

}

WorkPlace EnterWorkPlace(const QString& programFolder, const QString& code)
{
    if (IsJuryCode(code))
        return EnterJuryPlace(programFolder);
    return EnterContestantPlace(programFolder, code);
}
