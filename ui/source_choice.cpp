#include "ui/tform1.h"

#include "core/pass_band.h"
#include "core/simulation.h"
#include "dialogs/dialogs.h"
#include "spectrum/source_file.h"
#include "ui/layout/window_texts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QString FromStd(const std::string& text)
{
    return QString::fromStdString(text);
}

}

void TForm1::Loadsource1Click()
{
    // Particles in flight are drawn from the spectrum in use until the run stops.
    if (m_sim.run.running)
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

    const SourceFile file = ReadSourceFile(QFileInfo(path).filesystemFilePath());
    if (file.error) {
        m_services.dialogs.ShowMessage(this, SourceErrorTitle,
                                       QString("A forrásfájl nem olvasható:\n%1\n%2.").arg(QDir::toNativeSeparators(path), FromStd(*file.error)),
                                       Dialogs::Icon::Error);
        return;
    }
    if (const std::optional<SourceError> error = LoadSourceSpectrum(file.lines, m_sim.source)) {
        m_services.dialogs.ShowMessage(this, SourceErrorTitle,
                                       QString(SourceUnusableMessage)
                                           .arg(QDir::toNativeSeparators(path))
                                           .arg(error->line)
                                           .arg(FromStd(error->message)),
                                       Dialogs::Icon::Error);
        return;
    }
    ShowSourceName(FromStd(m_sim.source.Name));
    // Counts drawn from two spectra make no one measurement: the new source
    // is measured from the next Start, which also finds its maximum. The
    // counts and tracks of the source before go, so that no picture shows
    // them under the new name.
    Button4->setEnabled(false);
    Button4->setText(StopCaption);
    Button7Click();
    Button5Click();
    m_sim.run.accumulatedTime = {};
    Edit1->setText("0");
    UpdatePassBand(m_sim);
}
