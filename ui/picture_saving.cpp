#include "ui/picture_saving.h"

#include "ui/general_error.h"
#include "ui/jpeg_writer.h"
#include "ui/picture_numbering.h"

#include <QWidget>

#include <utility>

namespace {

// Linux takes every name the dialog gives.
#ifdef Q_OS_WIN
constexpr bool OnWindows = true;
#else
constexpr bool OnWindows = false;
#endif

}

PictureSaver::PictureSaver(Dialogs& dialogs, QString rootFolder, std::function<QString()> workFolder,
                           std::function<EvidenceRecord()> record)
    : m_dialogs(dialogs),
      m_rootFolder(std::move(rootFolder)),
      m_workFolder(std::move(workFolder)),
      m_record(std::move(record))
{
}

void PictureSaver::SetInitialFolder(const QString& folder)
{
    m_saveDialog1.initialFolder = folder;
}

void PictureSaver::SavePictureAs(QWidget& clientArea)
{
    if (m_saveDialog1.initialFolder.isEmpty())
        m_saveDialog1.initialFolder = m_rootFolder;
    m_saveDialog1.filter = QStringLiteral("Kép fájlok (*.jpg)|*.jpg| Minden fájl (*.*)|*.*");
    m_saveDialog1.defaultExtension = QStringLiteral(".jpg");
    const QString path = m_dialogs.AskSavePath(clientArea.window(), m_saveDialog1);
    if (!path.isEmpty() && !NameRefused(clientArea, path))
        Save(clientArea, path);
}

void PictureSaver::SaveNumberedPicture(QWidget& clientArea)
{
    const QString workFolder = m_workFolder();
    m_saveDialog1.initialFolder = workFolder;
    m_saveDialog1.defaultExtension.clear();
    const QString chosen = m_dialogs.AskSavePath(clientArea.window(), m_saveDialog1);
    if (!chosen.isEmpty() && !NameRefused(clientArea, chosen))
        SaveNumbered(clientArea, workFolder, chosen);
}

bool PictureSaver::NameRefused(QWidget& clientArea, const QString& chosen)
{
    if (!OnWindows || !WindowsRefusesName(chosen))
        return false;
    ShowGeneralError(m_dialogs, clientArea.window(), WindowsRefusedNameText());
    return true;
}

void PictureSaver::Save(QWidget& clientArea, const QString& path)
{
    const EvidenceRecord record = m_record();
    const std::optional<QString> error = WriteJpeg(clientArea.grab().toImage(), record, path);
    if (!error)
        return;
    ShowGeneralError(m_dialogs, clientArea.window(), *error);
}

void PictureSaver::SaveNumbered(QWidget& clientArea, const QString& workFolder, const QString& chosen)
{
    const EvidenceRecord record = m_record();
    QByteArray picture;
    if (std::optional<QString> error = EncodeSealedJpeg(clientArea.grab().toImage(), record, picture)) {
        ShowGeneralError(m_dialogs, clientArea.window(), *error);
        return;
    }
    const NumberedSave save = SaveNumberedFile(workFolder, chosen, picture);
    if (save.failure)
        ShowGeneralError(m_dialogs, clientArea.window(), PictureNotSavedText(*save.failure, save.path));
}
