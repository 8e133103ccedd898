#pragma once

#include "dialogs/dialogs.h"

#include <QDialog>
#include <QString>

#include <functional>
#include <vector>

// Records every box the program shows and answers it as the test says.
class FakeDialogs : public Dialogs {
public:
    struct Message {
        QString title;
        QString text;
        Icon icon;
    };

    void ShowMessage(QWidget*, const QString& title, const QString& text, Icon icon) override
    {
        messages.push_back({title, text, icon});
    }

    bool AskYesNo(QWidget*, const QString& title, const QString& text) override
    {
        questions.push_back({title, text, Icon::None});
        if (onQuestion)
            onQuestion();
        return answerYes;
    }

    int RunModal(QDialog& dialog) override
    {
        ++modalRuns;
        return onModal ? onModal(dialog) : QDialog::Rejected;
    }

    QString AskSavePath(QWidget*, const SaveDialogRequest& request) override
    {
        saveRequests.push_back(request);
        return savePath;
    }

    QString AskOpenPath(QWidget*, const OpenDialogRequest& request) override
    {
        openRequests.push_back(request);
        return openPath;
    }

    std::vector<Message> messages;
    std::vector<Message> questions;
    bool answerYes = false;
    int modalRuns = 0;
    std::function<void()> onQuestion;
    std::function<int(QDialog&)> onModal;
    std::vector<SaveDialogRequest> saveRequests;
    // What the save dialog answers; empty for Cancel.
    QString savePath;
    std::vector<OpenDialogRequest> openRequests;
    // What the open dialog answers; empty for Cancel.
    QString openPath;
};
