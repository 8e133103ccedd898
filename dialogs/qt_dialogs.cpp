#include "dialogs/qt_dialogs.h"

#include <QDialog>
#include <QFileDialog>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QTreeView>
#include <QUrl>

namespace {

// Turns "description|pattern|..." into Qt's "description (pattern)" filters.
// Qt finds the patterns in the last brackets, so a description that already
// shows its pattern there is kept as it is rather than showing it twice.
QStringList NameFilters(const QString& filter)
{
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts[i];
        const QString patterns = QStringLiteral("(%1)").arg(parts[i + 1].split(u';').join(u' '));
        filters << (description.endsWith(patterns) ? description : description + u' ' + patterns);
    }
    return filters;
}

void SetUpFileDialog(QFileDialog& dialog, const QString& initialFolder, const QString& filter,
                     const QString& defaultExtension)
{
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setSizeGripEnabled(true);
    // Qt's own size leaves the side bar and the size and type columns cut
    // short; the main window is narrow, so the dialog cannot take its width.
    // The parts are found by the names Qt's dialog has always given them.
    dialog.resize(dialog.sizeHint().expandedTo(QSize(820, 520)));
    if (auto* splitter = dialog.findChild<QSplitter*>(QStringLiteral("splitter")))
        splitter->setSizes({190, 610});
    if (auto* details = dialog.findChild<QTreeView*>(QStringLiteral("treeView")))
        details->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    if (!initialFolder.isEmpty())
        dialog.setDirectory(initialFolder);
    const QStringList filters = NameFilters(filter);
    if (!filters.isEmpty())
        dialog.setNameFilters(filters);
    QString suffix = defaultExtension;
    if (suffix.startsWith(u'.'))
        suffix.remove(0, 1);
    dialog.setDefaultSuffix(suffix);
}

QString ChosenPath(QFileDialog& dialog)
{
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

void AnswerByKey(QMessageBox& box, Qt::Key key, QMessageBox::StandardButton answer)
{
    auto* shortcut = new QShortcut(QKeySequence(key), &box);
    QObject::connect(shortcut, &QShortcut::activated, box.button(answer), &QAbstractButton::click);
}

}

void QtDialogs::ShowMessage(QWidget* parent, const QString& title, const QString& text, Icon icon)
{
    QMessageBox box(icon == Icon::Error ? QMessageBox::Critical : QMessageBox::NoIcon, title, text,
                    QMessageBox::Ok, parent);
    // Messages quote file names and file contents, which could pass for markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool QtDialogs::AskYesNo(QWidget* parent, const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    // The questions ask for I (igen) or N (nem), whatever language Qt's
    // buttons speak.
    AnswerByKey(box, Qt::Key_I, QMessageBox::Yes);
    AnswerByKey(box, Qt::Key_N, QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

int QtDialogs::RunModal(QDialog& dialog)
{
    return dialog.exec();
}

QString QtDialogs::AskSavePath(QWidget* parent, const SaveDialogRequest& request)
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    SetUpFileDialog(dialog, request.initialFolder, request.filter, request.defaultExtension);
    return ChosenPath(dialog);
}

QString QtDialogs::AskOpenPath(QWidget* parent, const OpenDialogRequest& request)
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    SetUpFileDialog(dialog, request.initialFolder, request.filter, request.defaultExtension);
    // The dialog keeps its side bar in the user's settings when it closes;
    // the shortcuts are offered for this question only.
    const QList<QUrl> userPlaces = dialog.sidebarUrls();
    QList<QUrl> places = userPlaces;
    for (const QString& folder : request.shortcutFolders)
        places << QUrl::fromLocalFile(folder);
    dialog.setSidebarUrls(places);
    const QString chosen = ChosenPath(dialog);
    dialog.setSidebarUrls(userPlaces);
    return chosen;
}
