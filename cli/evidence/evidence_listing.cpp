#include "cli/evidence/evidence_listing.h"

#include "record/evidence_record.h"
#include "files/file_writing.h"
#include "identification/contestant_code.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <algorithm>

namespace {

bool IsLink(const QFileInfo& entry)
{
    return entry.isSymbolicLink() || entry.isJunction();
}

bool IsJpegName(const QString& name)
{
    return name.endsWith(QStringLiteral(".jpg"), Qt::CaseInsensitive)
        || name.endsWith(QStringLiteral(".jpeg"), Qt::CaseInsensitive);
}

// Every entry with a JPEG name that is no folder, also those that are no
// ordinary files, so that none is passed over without a row; a link with
// such a name is listed whatever it points to; and the temporary file of a
// picture's save that was killed.
QFileInfoList JpegEntries(const QDir& folder)
{
    QFileInfoList entries = folder.entryInfoList({QStringLiteral("*.jpg"), QStringLiteral("*.jpeg"),
                                                  QStringLiteral(".*.tmp")},
                                                 QDir::AllEntries | QDir::Hidden | QDir::System
                                                     | QDir::NoDotAndDotDot,
                                                 QDir::Name);
    entries.removeIf([](const QFileInfo& entry) {
        if (entry.isDir() && !IsLink(entry))
            return true;
        if (!entry.fileName().endsWith(QStringLiteral(".tmp")))
            return false;
        const std::optional<QString> target = TemporaryCopyTarget(entry.fileName());
        return !target || !IsJpegName(*target);
    });
    return entries;
}

// The folders beside the pictures, and the links there that could stand for
// one: to a folder, or to nothing.
QFileInfoList Subfolders(const QDir& folder)
{
    QFileInfoList entries = folder.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System
                                                     | QDir::NoDotAndDotDot,
                                                 QDir::Name);
    entries.removeIf([](const QFileInfo& entry) {
        return IsLink(entry) ? entry.isFile() : !entry.isDir() || entry.isHidden();
    });
    return entries;
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
        return QString::fromUtf8(JuryContestant);
    return {};
}

// A link is never followed, so that no one can show another's pictures in a
// folder of their own, nor take them out of the folder they lie in: it is a
// row of its own, in the folder that holds it. Any other file is listed in
// the folder it really lies in, whichever way it was named.
class Collector {
public:
    // A file named, wherever it really lies.
    void Add(const QFileInfo& file)
    {
        const QString canonical = IsLink(file) ? QString() : file.canonicalFilePath();
        AddEntry(canonical.isEmpty() ? file : QFileInfo(canonical));
    }

    // A folder that cannot be listed, or a link, gets a row of its own: its
    // pictures must not vanish from the count unseen.
    bool AddIfNotListed(const QFileInfo& folder)
    {
        if (!IsLink(folder) && folder.isReadable() && folder.isExecutable())
            return false;
        AddEntry(folder);
        return true;
    }

    // The folder named is looked into even when it is a link: the one who
    // runs the check named it. Below it, in the folder as it really is, an
    // entry's path is its real one.
    void AddFolder(const QFileInfo& folder)
    {
        const QFileInfo named(folder.canonicalFilePath().isEmpty() ? folder.absoluteFilePath()
                                                                   : folder.canonicalFilePath());
        if (!named.isReadable() || !named.isExecutable()) {
            AddEntry(named);
            return;
        }
        for (const QFileInfo& file : JpegEntries(QDir(named.absoluteFilePath())))
            AddEntry(file);
        for (const QFileInfo& subfolder : Subfolders(QDir(named.absoluteFilePath()))) {
            if (AddIfNotListed(subfolder))
                continue;
            for (const QFileInfo& file : JpegEntries(QDir(subfolder.absoluteFilePath())))
                AddEntry(file);
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
    void AddEntry(const QFileInfo& entry)
    {
        const QString path = entry.absoluteFilePath();
        if (m_seen.contains(path))
            return;
        m_seen.insert(path);
        const QString folder = entry.absolutePath();
        m_pictures.push_back({QDir(folder).dirName(), entry.fileName(), path, Owner(folder)});
    }

    // Once a folder, since a room's owner takes a look at all its subfolders.
    QString Owner(const QString& folder)
    {
        auto known = m_owners.constFind(folder);
        if (known == m_owners.cend())
            known = m_owners.insert(folder, FolderOwner(QDir(folder)));
        return *known;
    }

    QSet<QString> m_seen;
    QHash<QString, QString> m_owners;
    std::vector<PictureFile> m_pictures;
};

}

std::variant<std::vector<PictureFile>, ListingError> ListPictures(const std::vector<std::string>& paths)
{
    Collector collector;
    for (const std::string& path : paths) {
        const QFileInfo info(QString::fromStdString(path));
        if (!info.exists() && !IsLink(info))
            return ListingError{"vantor-cli: nincs ilyen fájl vagy mappa: „" + path + "”"};
        if (info.isDir())
            collector.AddFolder(info);
        else
            collector.Add(info);
    }
    return collector.Sorted();
}
