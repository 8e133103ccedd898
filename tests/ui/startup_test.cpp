#include "tests/ui/window_fixture.h"

#include "ui/overlay_canvas.h"

#include <QAction>
#include <QDir>
#include <QTimer>

namespace {

using Startup = WindowTest;

int AcceptCode(QDialog& dialog, const QString& code)
{
    dialog.show();
    auto* password = dialog.findChild<QLineEdit*>("Password");
    password->setText(code);
    QTest::mouseClick(dialog.findChild<QPushButton*>("OKBtn"), Qt::LeftButton);
    return dialog.result();
}

TEST_F(Startup, IdentificationFollowsTheFirstActivation)
{
    dialogs.onModal = [](QDialog& dialog) { return AcceptCode(dialog, " 21 "); };
    ASSERT_TRUE(WaitFor("the identification dialog", [&] { return dialogs.modalRuns == 1; }));
    EXPECT_EQ(form->windowTitle(), "Országos Kelvora FizikaVerseny 2024     Versenyző kódja: 21");
    EXPECT_EQ(form->ContestantCode(), "21");
    EXPECT_EQ(form->WorkFolder(), rootFolder.path() + "/21/");
    EXPECT_TRUE(QDir(rootFolder.path() + "/21").exists());
    EXPECT_EQ(QDir::currentPath(), QDir(rootFolder.path() + "/21").canonicalPath());
    EXPECT_EQ(ended, 0);
    form->FormActivate();
    EXPECT_FALSE(form->findChild<QTimer*>("Timer1")->isActive());
}

TEST_F(Startup, JuryWorksInTheWorkRoot)
{
    dialogs.onModal = [](QDialog& dialog) { return AcceptCode(dialog, "Ravel3081"); };
    form->Timer1Timer();
    EXPECT_TRUE(form->WorkFolder().isEmpty());
    EXPECT_TRUE(form->windowTitle().endsWith("Versenyző kódja: Ravel3081"));
    EXPECT_EQ(QDir::currentPath(), QDir(rootFolder.path()).canonicalPath());
}

TEST_F(Startup, CancellingEndsTheProgram)
{
    dialogs.onModal = [](QDialog&) { return QDialog::Rejected; };
    form->Timer1Timer();
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(form->windowTitle(), "Béta sugárzás spektrumának mérése");
    EXPECT_TRUE(QDir(rootFolder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

TEST_F(Startup, AFolderThatCannotBeMadeIsReported)
{
    QFile blocker(rootFolder.path() + "/22");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    dialogs.onModal = [](QDialog& dialog) { return AcceptCode(dialog, "22"); };
    form->Timer1Timer();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].title, "*** HIBA ***");
    EXPECT_TRUE(dialogs.messages[0].text.contains("nem hozható létre"));
}

class RefusedRoot : public WindowTest {
protected:
    void SetUp() override { MakeForm(WorkRoot{rootFolder.path() + "/", Refusal}); }

    const QString Refusal = "A munkamappa nem létezik.";
};

TEST_F(RefusedRoot, IsToldBeforeTheIdentificationAndNothingIsSaved)
{
    std::size_t toldBeforeTheCode = 0;
    dialogs.onModal = [&](QDialog& dialog) {
        toldBeforeTheCode = dialogs.messages.size();
        return AcceptCode(dialog, "21");
    };
    form->Timer1Timer();
    ASSERT_EQ(toldBeforeTheCode, 1u);
    EXPECT_EQ(dialogs.messages[0].title, "*** HIBA ***");
    EXPECT_EQ(dialogs.messages[0].text, Refusal);
    EXPECT_EQ(dialogs.messages[0].icon, Dialogs::Icon::Error);
    EXPECT_EQ(form->ContestantCode(), "21");
    EXPECT_TRUE(form->WorkFolder().isEmpty());
    EXPECT_EQ(QDir::currentPath(), savedCurrent);

    dialogs.savePath = rootFolder.path() + "/kep.jpg";
    form->findChild<QAction*>("Kpernymentse1")->trigger();
    form->findChild<QAction*>("Mentskpknt1")->trigger();
    EXPECT_TRUE(dialogs.saveRequests.empty());
    ASSERT_EQ(dialogs.messages.size(), 3u);
    EXPECT_EQ(dialogs.messages[2].text, Refusal);
    EXPECT_TRUE(QDir(rootFolder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

TEST_F(Startup, OverlayPenIsReadyForTheTracks)
{
    EXPECT_EQ(form->Overlay().PenColour(), 0x0000FFu);
    EXPECT_EQ(form->Overlay().PenWidth(), 1);
    EXPECT_EQ(form->Overlay().PenPosition(), QPoint(201, 50));
}

}
