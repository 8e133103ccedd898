#include "dialogs/qt_dialogs.h"
#include "tests/support/answer_dialog.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <gtest/gtest.h>

#include <functional>

namespace {

const QString SourceFilter = QStringLiteral("Forrás fájlok (*.for)|*.for|Minden fájl (*.*)|*.*");
const QString JpegFilter = QStringLiteral("Kép fájlok (*.jpg)|*.jpg| Minden fájl (*.*)|*.*");

// Presses a key in the question once it is on screen. A question the key
// does not answer is closed after a while, and that is remembered.
bool AnswerWithKey(Qt::Key key, bool& keyIgnored)
{
    QTimer::singleShot(0, [key] {
        QWidget* box = QApplication::activeModalWidget();
        if (box && QTest::qWaitForWindowActive(box))
            QTest::keyClick(box, key);
    });
    QTimer fallback;
    fallback.setSingleShot(true);
    QObject::connect(&fallback, &QTimer::timeout, [&keyIgnored] {
        keyIgnored = true;
        QApplication::activeModalWidget()->close();
    });
    fallback.start(3000);
    QtDialogs dialogs;
    return dialogs.AskYesNo(nullptr, "*** MEGERŐSÍTÉS ***", "Minden el van mentve? Befejezzük? (I/N)");
}

// The English buttons know Y and N only; the question asks for I or N.
TEST(QtDialogs, TheQuestionIsAnsweredByIAndN)
{
    bool iIgnored = false;
    EXPECT_TRUE(AnswerWithKey(Qt::Key_I, iIgnored));
    EXPECT_FALSE(iIgnored);
    bool nIgnored = false;
    EXPECT_FALSE(AnswerWithKey(Qt::Key_N, nIgnored));
    EXPECT_FALSE(nIgnored);
}

// The open dialog, answered as soon as it is open.
TEST(QtDialogs, TheOpenDialogIsBuiltFromTheRequestAndAddsTheDefaultExtension)
{
    const QTemporaryDir sources;
    const QString sr90 = sources.filePath(QStringLiteral("sr90.for"));
    ASSERT_TRUE(QFile(sr90).open(QIODevice::WriteOnly));
    const QTemporaryDir shortcut;
    const QUrl shortcutUrl = QUrl::fromLocalFile(shortcut.path());
    const auto answer = [&](QFileDialog& dialog) {
        EXPECT_TRUE(dialog.testOption(QFileDialog::DontUseNativeDialog));
        EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptOpen);
        EXPECT_EQ(dialog.fileMode(), QFileDialog::ExistingFile);
        EXPECT_EQ(dialog.nameFilters(),
                  (QStringList{QStringLiteral("Forrás fájlok (*.for)"), QStringLiteral("Minden fájl (*.*)")}));
        EXPECT_TRUE(dialog.sidebarUrls().contains(shortcutUrl));
        dialog.selectFile(QStringLiteral("sr90"));
        static_cast<QDialog&>(dialog).accept();
    };
    const QString chosen = AnswerDialog<QFileDialog>(answer, [&] {
        return QtDialogs().AskOpenPath(nullptr, {sources.path(), SourceFilter, ".for", {shortcut.path()}});
    });
    EXPECT_EQ(chosen, sr90);
    // The user's own side bar, kept by Qt, does not keep the shortcut.
    EXPECT_FALSE(QFileDialog().sidebarUrls().contains(shortcutUrl));
}

TEST(QtDialogs, AMessageShowsAQuotedFileNameAsWritten)
{
    const QString text = QStringLiteral("A forrásfájl nem olvasható:\n/tmp/<b>vastag</b>.for\nnincs ilyen fájl.");
    const auto answer = [&](QMessageBox& box) {
        EXPECT_EQ(box.textFormat(), Qt::PlainText);
        EXPECT_EQ(box.text(), text);
        box.accept();
    };
    AnswerDialog<QMessageBox>(answer, [&] {
        QtDialogs().ShowMessage(nullptr, QStringLiteral("*** HIBA ***"), text, Dialogs::Icon::Error);
    });
}

// The real dialog, answered as soon as it is open.
class SaveDialog : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }

    QString Ask(const SaveDialogRequest& request, const std::function<void(QFileDialog&)>& answer)
    {
        return AnswerDialog<QFileDialog>(answer, [&] { return QtDialogs().AskSavePath(nullptr, request); });
    }

    QTemporaryDir folder;
};

TEST_F(SaveDialog, IsBuiltFromTheRequestAndAddsTheDefaultExtension)
{
    const QString chosen = Ask({folder.path(), JpegFilter, QStringLiteral(".jpg")}, [&](QFileDialog& dialog) {
        EXPECT_TRUE(dialog.testOption(QFileDialog::DontUseNativeDialog));
        EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
        EXPECT_TRUE(dialog.isSizeGripEnabled());
        EXPECT_EQ(dialog.directory().absolutePath(), QDir(folder.path()).absolutePath());
        // Qt trims the blank that leads the second description.
        EXPECT_EQ(dialog.nameFilters(),
                  (QStringList{QStringLiteral("Kép fájlok (*.jpg)"), QStringLiteral("Minden fájl (*.*)")}));
        EXPECT_EQ(dialog.defaultSuffix(), QStringLiteral("jpg"));
        dialog.selectFile(QStringLiteral("spektrum"));
        static_cast<QDialog&>(dialog).accept();
    });
    EXPECT_EQ(chosen, folder.filePath(QStringLiteral("spektrum.jpg")));
}

TEST_F(SaveDialog, AddsThePatternToADescriptionWithoutIt)
{
    Ask({folder.path(), QStringLiteral("Képek|*.jpg;*.jpeg"), QString()}, [](QFileDialog& dialog) {
        EXPECT_EQ(dialog.nameFilters(), QStringList{QStringLiteral("Képek (*.jpg *.jpeg)")});
        EXPECT_TRUE(dialog.defaultSuffix().isEmpty());
        dialog.reject();
    });
}

TEST_F(SaveDialog, CancelGivesAnEmptyPath)
{
    EXPECT_TRUE(Ask({folder.path(), QString(), QString()}, [](QFileDialog& dialog) { dialog.reject(); }).isEmpty());
}

}
