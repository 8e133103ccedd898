#pragma once

#include "dialogs/dialogs.h"

#include <QDialog>
#include <QEventLoop>
#include <QString>
#include <QTimer>

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
        if (nestedLoopMilliseconds > 0) {
            QEventLoop loop;
            QTimer::singleShot(nestedLoopMilliseconds, &loop, &QEventLoop::quit);
            loop.exec();
        }
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
    // How long each message box runs an event loop of its own before it is
    // closed, as a real box does; timers and focus changes run inside it.
    // Zero closes it at once.
    int nestedLoopMilliseconds = 0;
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
