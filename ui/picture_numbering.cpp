#include "ui/picture_numbering.h"

#include "ui/layout/picture_name.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>

namespace {

bool IsDecimalDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

int TwoDigitPrefix(const QString& name)
{
    if (name.size() < 2 || !IsDecimalDigit(name[0]) || !IsDecimalDigit(name[1]))
        return 0;
    return (name[0].unicode() - u'0') * 10 + (name[1].unicode() - u'0');
}

// A folder where names are taken this often in a row is not one to wait for.
constexpr int MaxNumberClaims = 100;

bool InUse(const QStringList& names, const QString& prefix)
{
    return std::any_of(names.cbegin(), names.cend(), [&](const QString& name) { return name.startsWith(prefix); });
}

}

bool WindowsRefusesName(const QString& chosenPath)
{
    // "x:y" typed in the dialog comes back as it is, a path on drive X:
    // without a folder, and is refused for its colon.
    const QString name = chosenPath.sliced(chosenPath.lastIndexOf(u'/') + 1);
    return std::any_of(name.cbegin(), name.cend(),
                       [](QChar c) { return c.unicode() < 32 || QStringLiteral("<>:\"|?*\\").contains(c); });
}

QString WindowsRefusedNameText()
{
    return QStringLiteral("A kép nem menthető: a fájlnév nem tartalmazhat \\ / : * ? \" < > | karaktert.");
}

QString NumberedPicturePath(const QString& workFolder, const QString& chosenPath)
{
    // Folders and hidden or system entries hold numbers too.
    const QDir folder(workFolder.isEmpty() ? QStringLiteral(".") : workFolder);
    QStringList names = folder.entryList({QStringLiteral("*.jpg")},
                                         QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    // A save killed before its picture took its name keeps the number in the
    // temporary file it left, for the jury to see.
    for (const QString& leftover : folder.entryList({QStringLiteral(".*.tmp")}, QDir::Files | QDir::Hidden)) {
        const std::optional<QString> target = TemporaryCopyTarget(leftover);
        if (target && target->endsWith(QStringLiteral(".jpg"), Qt::CaseInsensitive))
            names << *target;
    }
    int largest = 0;
    for (const QString& name : names)
        largest = std::max(largest, TwoDigitPrefix(name));
    const QString name = QFileInfo(chosenPath).fileName();
    for (int number = largest + 1;; ++number) {
        const QString prefix = QString::fromStdString(PictureNumberPrefix(number));
        const QString path = workFolder + prefix + name + QStringLiteral(".jpg");
        if (!InUse(names, prefix) && !QFileInfo::exists(path))
            return path;
    }
}

NumberedSave SaveNumberedFile(const QString& workFolder, const QString& chosenPath, QByteArrayView bytes)
{
    NumberedSave save;
    for (int attempt = 0; attempt < MaxNumberClaims; ++attempt) {
        save.path = NumberedPicturePath(workFolder, chosenPath);
        save.failure = WriteNewFile(save.path, bytes);
        if (!save.failure || save.failure->fault != WriteFault::NameTaken)
            break;
    }
    return save;
}
