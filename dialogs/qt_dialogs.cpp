#include "dialogs/qt_dialogs.h"

#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>

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
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setSizeGripEnabled(true);
    if (!request.initialFolder.isEmpty())
        dialog.setDirectory(request.initialFolder);
    const QStringList filters = NameFilters(request.filter);
    if (!filters.isEmpty())
        dialog.setNameFilters(filters);
    QString suffix = request.defaultExtension;
    if (suffix.startsWith(u'.'))
        suffix.remove(0, 1);
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}
