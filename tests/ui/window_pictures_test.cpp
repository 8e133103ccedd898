#include "tests/ui/window_fixture.h"

#include "evidence/picture_check.h"
#include "evidence/record_reading.h"
#include "record/record_json.h"
#include "identification/contestant_code.h"

#include <QAction>
#include <QDateTime>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QRegularExpression>
#include <QTimer>

#include <chrono>
#include <cstdlib>
#include <vector>

namespace {

using WindowPictures = WindowTest;

int AcceptCode(QDialog& dialog, const QString& code)
{
    dialog.show();
    dialog.findChild<QLineEdit*>("Password")->setText(code);
    QTest::mouseClick(dialog.findChild<QPushButton*>("OKBtn"), Qt::LeftButton);
    return dialog.result();
}

EvidenceRecord IntactRecordOf(const QString& path)
{
    const PictureCheck check = CheckPictureFile(path);
    EXPECT_EQ(check.status, EvidenceStatus::Intact) << check.reason.toStdString();
    return check.record.value_or(EvidenceRecord());
}

// Identified as 21, 50 keV at 1000 µT, Start, Stop, "Képernyő mentése".
TEST_F(WindowPictures, NumberedPictureLandsInTheContestantsFolderWithTheWindowsRecord)
{
    dialogs.onModal = [](QDialog& dialog) { return AcceptCode(dialog, "21"); };
    form->Timer1Timer();
    Enter("BField", "1000");
    Enter("Edit7", "50");
    QTimer::singleShot(0, form.get(), [&] { Click("Button4"); });
    Click("Button3");
    dialogs.savePath = "/somewhere/else/spektrum";
    form->findChild<QAction*>("Kpernymentse1")->trigger();

    const QString written = rootFolder.path() + "/21/01_spektrum.jpg";
    ASSERT_TRUE(QFileInfo::exists(written));
    EXPECT_EQ(QImage(written).size(), form->centralWidget()->size());
    ASSERT_FALSE(dialogs.saveRequests.empty());
    EXPECT_EQ(dialogs.saveRequests.back().initialFolder, rootFolder.path() + "/21/");
    const EvidenceRecord record = IntactRecordOf(written);
    EXPECT_EQ(record.contestant, "21");
    EXPECT_FALSE(record.teacherMode);
    EXPECT_EQ(record.program, "2.2.0.3");
    EXPECT_EQ(record.energyKeV, "50");
    EXPECT_EQ(record.fieldMicrotesla, 1000);
    EXPECT_EQ(record.electricFieldVPerM, Text("EField").toStdString());
    EXPECT_TRUE(record.fieldsOn);
    EXPECT_EQ(record.slitStep, 0);
    EXPECT_EQ(record.slitMm, "0.5");
    EXPECT_EQ(record.setCount, 1000);
    EXPECT_FALSE(record.stopAtSetCount);
    EXPECT_TRUE(record.clearDetectorOnStart);
    EXPECT_TRUE(record.tracksShown);
    EXPECT_GT(record.launched, 0);
    EXPECT_EQ(QString::number(record.launched), Text("Edit9"));
    EXPECT_EQ(QString::number(record.detected), Text("Edit8"));
    EXPECT_EQ(record.launched, sim.run.launchedCount);
    EXPECT_EQ(record.measuringTime, Text("Edit1").toStdString());
    EXPECT_FALSE(record.running);
    EXPECT_EQ(record.passWidthKeV, Text("Edit14").toStdString());
    EXPECT_EQ(record.passLowerKeV, Text("Edit12").toStdString());
    EXPECT_EQ(record.source, form->findChild<QLabel*>("Panel9")->text().toStdString());
    const QString savedAtText = QString::fromStdString(record.savedAt);
    const QDateTime savedAt = QDateTime::fromString(savedAtText, Qt::ISODate);
    EXPECT_TRUE(savedAtText.contains(QRegularExpression("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d[+-]\\d\\d:\\d\\d$")))
        << record.savedAt;
    EXPECT_LE(std::abs(savedAt.secsTo(QDateTime::currentDateTime())), 60);
}

// The wall clock set back an hour during a run (the autumn change to winter
// time, a clock set by hand or by the network) and forward again: the
// measuring time grows by the time that passed, and the picture tells the
// moment of its saving by the wall clock.
TEST_F(WindowPictures, MeasuringTimeIsTheTimeThatPassedWhateverTheWallClockSays)
{
    using namespace std::chrono;
    RunClock::time_point steady(hours(1000));
    system_clock::time_point wall = sys_days(2025y / October / 26) + 59min + 20s;
    clock = {[&] { return steady; }, [&] { return wall; }};
    MakeForm(WorkRoot{rootFolder.path() + "/", QString()});
    dialogs.onModal = [](QDialog& dialog) { return AcceptCode(dialog, "21"); };
    form->Timer1Timer();

    // At each turn of the run the clocks move on; the last step stops it.
    std::vector<system_clock::duration> wallSteps{-1h, 2h, -1h};
    seconds perTurn = 15s;
    QTimer turns;
    QObject::connect(&turns, &QTimer::timeout, form.get(), [&] {
        if (wallSteps.empty())
            return;
        steady += perTurn;
        wall += wallSteps.front();
        wallSteps.erase(wallSteps.begin());
        if (wallSteps.empty())
            Click("Button4");
    });
    turns.start(0);
    Click("Button3");
    EXPECT_EQ(Text("Edit1"), "0:00:45");
    wallSteps = {-30min, -30min};
    perTurn = 10s;
    Click("Button4");
    EXPECT_EQ(Text("Edit1"), "0:01:05");
    dialogs.savePath = "tel";
    form->findChild<QAction*>("Kpernymentse1")->trigger();
    const EvidenceRecord record = IntactRecordOf(rootFolder.path() + "/21/01_tel.jpg");
    EXPECT_EQ(record.measuringTime, "0:01:05");
    EXPECT_EQ(QDateTime::fromString(QString::fromStdString(record.savedAt), Qt::ISODate).toMSecsSinceEpoch(),
              duration_cast<milliseconds>(wall.time_since_epoch()).count());
}

TEST_F(WindowPictures, TheJurysPicturesSayJury)
{
    dialogs.onModal = [](QDialog& dialog) { return AcceptCode(dialog, QString(JuryCode)); };
    form->Timer1Timer();
    const QString written = rootFolder.path() + "/zsuri.jpg";
    dialogs.savePath = written;
    form->findChild<QAction*>("Mentskpknt1")->trigger();
    EXPECT_EQ(IntactRecordOf(written).contestant, "jury");
}

// A box holds up to 32767 characters; the record keeps the first ones.
TEST_F(WindowPictures, TheLongestTypedTextStillLeavesARecord)
{
    const QString typed(32767, QChar(0x0151));
    Find("Edit7")->setText(typed);
    const QString written = rootFolder.path() + "/hosszu.jpg";
    dialogs.savePath = written;
    form->findChild<QAction*>("Mentskpknt1")->trigger();
    EXPECT_EQ(IntactRecordOf(written).energyKeV, typed.first(MaxRecordTextLength).toStdString());
}

TEST_F(WindowPictures, PictureDuringARunShowsTheTracks)
{
    const QString written = rootFolder.path() + "/meres.jpg";
    dialogs.savePath = written;
    QString launchedShown;
    QTimer::singleShot(0, form.get(), [&] {
        form->findChild<QAction*>("Mentskpknt1")->trigger();
        launchedShown = Text("Edit9");
        Click("Button4");
    });
    Click("Button3");
    ASSERT_TRUE(QFileInfo::exists(written));
    const QImage picture(written);
    // Along the axis of the filter the tracks are red over the silver field.
    const QColor onAxis = picture.pixelColor(14 + 14 + 200, 8 + 11 + 400);
    EXPECT_GT(onAxis.red(), 200);
    EXPECT_LT(onAxis.green(), 160);
    EXPECT_EQ(sim.run.launchedCount, 1000);
    const EvidenceRecord record = IntactRecordOf(written);
    EXPECT_TRUE(record.running);
    EXPECT_EQ(QString::number(record.launched), launchedShown);
    EXPECT_EQ(record.launched, 1000);
}

}

namespace {

// In a root shared by all, someone made "22" a link to a folder of theirs:
// contestant 22 is told at once, and no picture lands anywhere.
TEST_F(WindowPictures, APlantedLinkForTheContestantsFolderIsRefusedBeforeAnythingIsSaved)
{
    QTemporaryDir elsewhere;
    ASSERT_TRUE(QFile::link(elsewhere.path(), rootFolder.path() + "/22"));
    dialogs.onModal = [](QDialog& dialog) { return AcceptCode(dialog, "22"); };
    form->Timer1Timer();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].title, "*** HIBA ***");
    EXPECT_TRUE(LastMessage().startsWith("A versenyző mappája másik helyre mutató link, ezért nem használható: "
                                         + rootFolder.path() + "/22\n"))
        << LastMessage().toStdString();

    dialogs.savePath = "spektrum";
    form->findChild<QAction*>("Kpernymentse1")->trigger();
    dialogs.savePath = elsewhere.path() + "/kep.jpg";
    form->findChild<QAction*>("Mentskpknt1")->trigger();
    EXPECT_EQ(dialogs.messages.size(), 3u);
    EXPECT_TRUE(dialogs.saveRequests.empty());
    EXPECT_EQ(QDir(elsewhere.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
    EXPECT_NE(QFileInfo(QDir::currentPath()).canonicalFilePath(), QFileInfo(elsewhere.path()).canonicalFilePath());
}

// In a root without the sticky bit another account can move the contestant's
// folder away after the start and plant its own in its place: the next save
// finds it out and keeps nothing there.
TEST_F(WindowPictures, AFolderSwappedAfterTheStartIsRefusedAtTheNextSave)
{
    dialogs.onModal = [](QDialog& dialog) { return AcceptCode(dialog, "22"); };
    form->Timer1Timer();
    ASSERT_TRUE(dialogs.messages.empty());
    QTemporaryDir elsewhere;
    ASSERT_TRUE(QDir(rootFolder.path()).rename("22", "22-regi"));
    ASSERT_TRUE(QFile::link(elsewhere.path(), rootFolder.path() + "/22"));

    dialogs.savePath = "spektrum";
    form->findChild<QAction*>("Kpernymentse1")->trigger();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(LastMessage().startsWith("A versenyző mappája másik helyre mutató link, ezért nem használható: "))
        << LastMessage().toStdString();
    EXPECT_EQ(QDir(elsewhere.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
}

}
