#include "cli/evidence/evidence_listing.h"

#include "evidence/evidence_record.h"
#include "identification/contestant_code.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

namespace {

// Every entry with a JPEG name, also those that are no ordinary files, so
// that none is passed over without a row.
QFileInfoList JpegEntries(const QDir& folder)
{
    return folder.entryInfoList({QStringLiteral("*.jpg"), QStringLiteral("*.jpeg")},
                                QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

QFileInfoList Subfolders(const QDir& folder)
{
    return folder.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

// Only a code the identification accepts names a contestant's folder, so that
// a folder of years or of numbered rounds is not taken for a room.
bool IsContestantFolderName(const QString& name)
{
    return IsAcceptedCode(name) && !IsJuryCode(name);
}

QString FolderOwner(const QDir& folder)
{
    if (IsContestantFolderName(folder.dirName()))
        return folder.dirName();
    const QStringList subfolders = folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    if (std::any_of(subfolders.cbegin(), subfolders.cend(), IsContestantFolderName))
        return QString(JuryContestant);
    return {};
}

class Collector {
public:
    void Add(const QFileInfo& file)
    {
        // A dangling link has no canonical path, and is one file by its own.
        const QString canonical = file.canonicalFilePath();
        const QString key = canonical.isEmpty() ? file.absoluteFilePath() : canonical;
        if (m_seen.contains(key))
            return;
        m_seen.insert(key);
        const QDir folder = file.absoluteDir();
        m_pictures.push_back({folder.dirName(), file.fileName(), file.absoluteFilePath(), FolderOwner(folder)});
    }

    // A folder that cannot be listed gets a row of its own: its pictures must
    // not vanish from the count unseen.
    bool AddIfUnreadable(const QFileInfo& folder)
    {
        if (folder.isReadable() && folder.isExecutable())
            return false;
        Add(folder);
        return true;
    }

    void AddFolder(const QFileInfo& folder)
    {
        if (AddIfUnreadable(folder))
            return;
        for (const QFileInfo& file : JpegEntries(QDir(folder.absoluteFilePath())))
            Add(file);
        for (const QFileInfo& subfolder : Subfolders(QDir(folder.absoluteFilePath()))) {
            if (AddIfUnreadable(subfolder))
                continue;
            for (const QFileInfo& file : JpegEntries(QDir(subfolder.absoluteFilePath())))
                Add(file);
        }
    }

    std::vector<PictureFile> Sorted()
    {
        std::sort(m_pictures.begin(), m_pictures.end(), [](const PictureFile& a, const PictureFile& b) {
            return std::tie(a.folder, a.name, a.path) < std::tie(b.folder, b.name, b.path);
        });
        return std::move(m_pictures);
    }

private:
    QSet<QString> m_seen;
    std::vector<PictureFile> m_pictures;
};

}

std::variant<std::vector<PictureFile>, ListingError> ListPictures(const std::vector<std::string>& paths)
{
    Collector collector;
    for (const std::string& path : paths) {
        const QFileInfo info(QString::fromStdString(path));
        if (!info.exists())
            return ListingError{"vantor-cli: nincs ilyen fájl vagy mappa: '" + path + "'"};
        if (info.isDir())
            collector.AddFolder(info);
        else
            collector.Add(info);
    }
    return collector.Sorted();
}
