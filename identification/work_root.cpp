#include "identification/work_root.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

namespace {

const QString Consequence =
    QStringLiteral("\nA versenyzők mappái nem hozhatók létre, és képet sem lehet menteni.");

// A drive's or the file system's root keeps its one slash.
QString RootFolder(const QString& path)
{
    const QString folder = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

// Asking for permissions is not enough: root passes every permission check,
// yet cannot write on a read-only file system or into /proc.
bool CanWriteInto(const QString& folder)
{
    QTemporaryFile probe(folder + QStringLiteral(".vantor-XXXXXX"));
    return probe.open();
}

WorkRoot NamedRoot(const QString& path, const QString& namedBy)
{
    WorkRoot root{RootFolder(path), QString()};
    if (!QFileInfo(root.folder).isDir())
        root.error = QStringLiteral("A %1 megadott munkamappa nem létezik: %2").arg(namedBy, QDir::toNativeSeparators(root.folder));
    else if (!CanWriteInto(root.folder))
        root.error = QStringLiteral("A %1 megadott munkamappába nem lehet írni: %2").arg(namedBy, QDir::toNativeSeparators(root.folder));
    if (!root.error.isEmpty())
        root.error += Consequence;
    return root;
}

WorkRoot DocumentsRoot(const QString& documentsFolder)
{
    if (documentsFolder.isEmpty())
        return {QString(), QStringLiteral("A felhasználó Dokumentumok mappája nem ismert.") + Consequence};
    WorkRoot root{RootFolder(documentsFolder + u'/' + DocumentsSubfolder), QString()};
    if (!QDir().mkpath(root.folder) || !CanWriteInto(root.folder))
        root.error = QStringLiteral("A munkamappa nem hozható létre, vagy nem lehet beleírni: %1").arg(QDir::toNativeSeparators(root.folder))
            + Consequence;
    return root;
}

}

WorkRoot ChooseWorkRoot(const WorkRootCandidates& candidates)
{
    if (!candidates.option.isEmpty())
        return NamedRoot(candidates.option, QStringLiteral("--work-root kapcsolóval"));
    if (!candidates.environment.isEmpty())
        return NamedRoot(candidates.environment, QStringLiteral("VANTOR_WORK_ROOT környezeti változóban"));
    if (!candidates.programFolder.isEmpty()) {
        const QString programFolder = RootFolder(candidates.programFolder);
        if (QFileInfo(programFolder).isDir() && CanWriteInto(programFolder))
            return {programFolder, QString()};
    }
    return DocumentsRoot(candidates.documentsFolder);
}
