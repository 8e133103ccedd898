#pragma once

#include "dialogs/dialogs.h"

#include <QDialog>

// Answers every box at once, so that a benchmark never waits for a user.
class SilentDialogs : public Dialogs {
public:
    void ShowMessage(QWidget*, const QString&, const QString&, Icon) override {}
    bool AskYesNo(QWidget*, const QString&, const QString&) override { return true; }
    int RunModal(QDialog&) override { return QDialog::Rejected; }
    QString AskSavePath(QWidget*, const SaveDialogRequest&) override { return {}; }
    QString AskOpenPath(QWidget*, const OpenDialogRequest&) override { return {}; }
};
