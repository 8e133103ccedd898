#include "ui/tform1.h"

#include "dialogs/dialogs.h"
#include "spectrum/source_file.h"
#include "ui/layout/window_texts.h"

#include <QDir>
#include <QFileInfo>

void TForm1::Loadsource1Click()
{
    if (!m_source.Choosable())
        return;
    if (m_openDialog1.initialFolder.isEmpty())
        m_openDialog1.initialFolder = m_services.workRoot.folder;
    m_openDialog1.filter = QStringLiteral("Forrás fájlok (*.for)|*.for|Minden fájl (*.*)|*.*");
    m_openDialog1.defaultExtension = QStringLiteral(".for");
    m_openDialog1.shortcutFolders.clear();
    if (!m_services.sourcesFolder.isEmpty())
        m_openDialog1.shortcutFolders << m_services.sourcesFolder;
    const QString path = m_services.dialogs.AskOpenPath(this, m_openDialog1);
    if (path.isEmpty())
        return;
    // The next choice starts where this one was made, as a class goes through
    // one folder of tables.
    m_openDialog1.initialFolder = QFileInfo(path).absolutePath();

    const std::string shownPath = QDir::toNativeSeparators(path).toStdString();
    const SourceFile file = ReadSourceFile(QFileInfo(path).filesystemFilePath());
    if (file.error) {
        ShowSourceError("A forrásfájl nem olvasható:\n" + shownPath + "\n" + *file.error + ".");
        return;
    }
    m_source.Chosen(shownPath, file.lines);
}

void TForm1::ShowSourceError(const std::string& message)
{
    m_services.dialogs.ShowMessage(this, SourceErrorTitle, QString::fromStdString(message), Dialogs::Icon::Error);
}
