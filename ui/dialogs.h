#pragma once

#include <QString>

class QDialog;
class QWidget;

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
};
