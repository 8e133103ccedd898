#include "identification/password_dialog.h"
#include "tests/support/fake_dialogs.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class PasswordDialog : public testing::Test {
protected:
    void Open()
    {
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }

    void Submit(const QString& typed)
    {
        QTest::keyClicks(Password(), typed);
        QTest::mouseClick(Button("OKBtn"), Qt::LeftButton);
    }

    void ExpectClosedWith(int result)
    {
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.result(), result);
        ASSERT_EQ(finished.count(), 1);
        EXPECT_EQ(finished.first().first().toInt(), result);
    }

    void ExpectRefused(const QString& typed)
    {
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(finished.count(), 0);
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("*** HIBA ***"));
        EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("Érvénytelen kód!"));
        EXPECT_EQ(dialogs.messages[0].icon, Dialogs::Icon::None);
        EXPECT_EQ(Password()->selectedText(), typed);
        EXPECT_EQ(Password()->text(), typed);
        EXPECT_TRUE(Password()->hasFocus());
        EXPECT_TRUE(dialog.ContestantCode().isEmpty());
    }

    QLineEdit* Password() { return dialog.findChild<QLineEdit*>(QStringLiteral("Password")); }
    QPushButton* Button(const char* name) { return dialog.findChild<QPushButton*>(QLatin1StringView(name)); }

    FakeDialogs dialogs;
    TPasswordDlg dialog{dialogs};
    QSignalSpy finished{&dialog, &QDialog::finished};
};

TEST_F(PasswordDialog, ControlsStandWhereDesigned)
{
    EXPECT_EQ(dialog.objectName(), QStringLiteral("PasswordDlg"));
    EXPECT_EQ(dialog.minimumSize(), QSize(233, 93));
    EXPECT_EQ(dialog.maximumSize(), QSize(233, 93));

    const auto* label = dialog.findChild<QLabel*>(QStringLiteral("Label1"));
    ASSERT_NE(label, nullptr);
    ASSERT_NE(Password(), nullptr);
    ASSERT_NE(Button("OKBtn"), nullptr);
    ASSERT_NE(Button("CancelBtn"), nullptr);
    EXPECT_EQ(label->geometry(), QRect(50, 9, 139, 14));
    EXPECT_EQ(Password()->geometry(), QRect(8, 27, 217, 22));
    EXPECT_EQ(Button("OKBtn")->geometry(), QRect(70, 59, 75, 25));
    EXPECT_EQ(Button("CancelBtn")->geometry(), QRect(150, 59, 75, 25));

    EXPECT_EQ(label->text(), QStringLiteral("Add meg az azonosítódat"));
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::white));
    for (const QWidget* widget : {static_cast<const QWidget*>(label), static_cast<const QWidget*>(Password())}) {
        EXPECT_EQ(widget->font().family(), QStringLiteral("Arial"));
        EXPECT_TRUE(widget->font().bold());
        EXPECT_EQ(widget->font().pixelSize(), 11);
    }
    EXPECT_EQ(Password()->echoMode(), QLineEdit::Normal);
    EXPECT_EQ(Button("OKBtn")->text(), QStringLiteral("OK"));
    EXPECT_TRUE(Button("OKBtn")->isDefault());
    EXPECT_EQ(Button("CancelBtn")->text(), QStringLiteral("Cancel"));
}

TEST_F(PasswordDialog, ShowingItChangesCaptionAndBackground)
{
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Azonosító beadása"));
    EXPECT_EQ(dialog.palette().color(QPalette::Window), QColor(128, 128, 128));

    Open();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Add meg az azonosítódat!"));
    EXPECT_EQ(dialog.palette().color(QPalette::Window), QColor(0, 80, 80));
    EXPECT_EQ(dialog.grab().toImage().pixelColor(2, 2), QColor(0, 80, 80));
    EXPECT_TRUE(Password()->hasFocus());
}

TEST_F(PasswordDialog, ACodeWithBlanksIsAcceptedWithoutThem)
{
    Open();
    Submit(QStringLiteral("  21 "));
    ExpectClosedWith(QDialog::Accepted);
    EXPECT_EQ(dialog.ContestantCode(), QStringLiteral("21"));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(PasswordDialog, TheJuryCodeIsAccepted)
{
    Open();
    Submit(QStringLiteral("Ravel3081"));
    ExpectClosedWith(QDialog::Accepted);
    EXPECT_EQ(dialog.ContestantCode(), QStringLiteral("Ravel3081"));
}

TEST_F(PasswordDialog, SignAndLeadingZerosStayInTheCode)
{
    Open();
    Submit(QStringLiteral("+021"));
    ExpectClosedWith(QDialog::Accepted);
    EXPECT_EQ(dialog.ContestantCode(), QStringLiteral("+021"));
}

TEST_F(PasswordDialog, ARefusedCodeKeepsTheDialogOpenWithTheTextSelected)
{
    Open();
    Submit(QStringLiteral("43"));
    ExpectRefused(QStringLiteral("43"));

    Submit(QStringLiteral("82"));
    ExpectClosedWith(QDialog::Accepted);
    EXPECT_EQ(dialog.ContestantCode(), QStringLiteral("82"));
    EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST_F(PasswordDialog, AnEmptyBoxIsRefused)
{
    Open();
    Submit(QString());
    ExpectRefused(QString());
}

TEST_F(PasswordDialog, TheJuryCodeWithABlankIsRefused)
{
    Open();
    Submit(QStringLiteral("Ravel3081 "));
    ExpectRefused(QStringLiteral("Ravel3081 "));
}

TEST_F(PasswordDialog, EnterPressesOk)
{
    Open();
    QTest::keyClicks(Password(), QStringLiteral("71"));
    QTest::keyClick(Password(), Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog.isVisible(); }));
    ExpectClosedWith(QDialog::Accepted);
    EXPECT_EQ(dialog.ContestantCode(), QStringLiteral("71"));
}

TEST_F(PasswordDialog, EscapeCancelsWithoutChecking)
{
    Open();
    QTest::keyClicks(Password(), QStringLiteral("5"));
    QTest::keyClick(Password(), Qt::Key_Escape);
    ExpectClosedWith(QDialog::Rejected);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(dialog.ContestantCode().isEmpty());
}

TEST_F(PasswordDialog, CancelEndsTheDialogEvenWithAValidCode)
{
    Open();
    QTest::keyClicks(Password(), QStringLiteral("21"));
    QTest::mouseClick(Button("CancelBtn"), Qt::LeftButton);
    ExpectClosedWith(QDialog::Rejected);
    EXPECT_TRUE(dialog.ContestantCode().isEmpty());
}

TEST_F(PasswordDialog, TheCloseButtonCountsAsCancel)
{
    Open();
    QTest::keyClicks(Password(), QStringLiteral("5"));
    EXPECT_TRUE(dialog.close());
    ExpectClosedWith(QDialog::Rejected);
    EXPECT_TRUE(dialogs.messages.empty());
}

}
