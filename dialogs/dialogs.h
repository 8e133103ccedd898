#pragma once

#include <QString>
#include <QStringList>

class QDialog;
class QWidget;

// How a save dialog is set up. The filter lists its choices as
// "description|pattern|description|pattern"; the default extension (".jpg",
// or empty for none) is added to a name typed without one.
struct SaveDialogRequest {
    QString initialFolder;
    QString filter;
    QString defaultExtension;
};

// How an open dialog is set up, with the filter and default extension as for
// saving. Shortcut folders are offered one click away beside the list.
struct OpenDialogRequest {
    QString initialFolder;
    QString filter;
    QString defaultExtension;
    QStringList shortcutFolders;
};

// Every modal box and dialog of the program is shown through here, so that
// tests can answer them without blocking.
class Dialogs {
public:
    enum class Icon { None, Error };

    virtual ~Dialogs() = default;

    // A message box with a single OK button.
    virtual void ShowMessage(QWidget* parent, const QString& title, const QString& text, Icon icon) = 0;
    // A question with Yes (the default) and No; true for Yes.
    virtual bool AskYesNo(QWidget* parent, const QString& title, const QString& text) = 0;
    // Shows the dialog modally and returns its result code.
    virtual int RunModal(QDialog& dialog) = 0;
    // Asks where to save, confirming before an existing file is replaced;
    // the chosen path, or empty for Cancel.
    virtual QString AskSavePath(QWidget* parent, const SaveDialogRequest& request) = 0;
    // Asks for an existing file to open; the chosen path, or empty for Cancel.
    virtual QString AskOpenPath(QWidget* parent, const OpenDialogRequest& request) = 0;
};
