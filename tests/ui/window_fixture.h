#pragma once

#include "core/simulation.h"
#include "identification/password_dialog.h"
#include "tests/support/fake_dialogs.h"
#include "tests/support/wait_for.h"
#include "ui/tform1.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

// A main window after its first activation, with boxes answered by the test
// and the work root in a temporary place.
class WindowTest : public testing::Test {
protected:
    void SetUp() override { MakeForm(WorkRoot{rootFolder.path() + "/", QString()}); }

    void MakeForm(const WorkRoot& root)
    {
        savedCurrent = QDir::currentPath();
        form = std::make_unique<TForm1>(sim, WindowServices{dialogs, root, [this] { ++ended; }, mode, sourcesFolder, clock});
        passwordDlg = form->findChild<TPasswordDlg*>();
        form->FormActivate();
    }

    void TearDown() override { QDir::setCurrent(savedCurrent); }

    // Focus moves only in a window on screen.
    void ShowActive()
    {
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    template <class T = QLineEdit>
    T* Find(const char* name)
    {
        T* child = form->findChild<T*>(name);
        EXPECT_NE(child, nullptr) << name;
        return child;
    }

    // Types into a box and presses Enter, as the user enters a value.
    void Enter(const char* name, const QString& text)
    {
        QLineEdit* edit = Find(name);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
    }

    void Click(const char* name) { QTest::mouseClick(Find<QAbstractButton>(name), Qt::LeftButton); }

    QString Text(const char* name) { return Find(name)->text(); }

    // Runs the identification with the code typed and accepted.
    void Identify(const QString& code)
    {
        dialogs.onModal = [code](QDialog& dialog) {
            dialog.show();
            dialog.findChild<QLineEdit*>("Password")->setText(code);
            QTest::mouseClick(dialog.findChild<QPushButton*>("OKBtn"), Qt::LeftButton);
            return dialog.result();
        };
        form->Timer1Timer();
    }

    QString LastMessage() const { return dialogs.messages.empty() ? QString() : dialogs.messages.back().text; }

    // Set by a fixture's constructor, before the window is made.
    StartMode mode = StartMode::Contest;
    QString sourcesFolder;
    WindowClock clock;
    QTemporaryDir rootFolder;
    QString savedCurrent;
    FakeDialogs dialogs;
    Simulation sim;
    int ended = 0;
    std::unique_ptr<TForm1> form;
    TPasswordDlg* passwordDlg = nullptr;
};
