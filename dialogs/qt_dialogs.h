#pragma once

#include "dialogs/dialogs.h"

// The real boxes, as the user sees them.
class QtDialogs : public Dialogs {
public:
    void ShowMessage(QWidget* parent, const QString& title, const QString& text, Icon icon) override;
    bool AskYesNo(QWidget* parent, const QString& title, const QString& text) override;
    int RunModal(QDialog& dialog) override;
    QString AskSavePath(QWidget* parent, const SaveDialogRequest& request) override;
    QString AskOpenPath(QWidget* parent, const OpenDialogRequest& request) override;
};
