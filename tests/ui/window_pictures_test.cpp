#include "tests/ui/window_fixture.h"

#include <QAction>
#include <QFileInfo>
#include <QImage>
#include <QTimer>

namespace {

using WindowPictures = WindowTest;

int AcceptCode(QDialog& dialog, const QString& code)
{
    dialog.show();
    dialog.findChild<QLineEdit*>("Password")->setText(code);
    QTest::mouseClick(dialog.findChild<QPushButton*>("OKBtn"), Qt::LeftButton);
    return dialog.result();
}

TEST_F(WindowPictures, NumberedPictureLandsInTheContestantsFolder)
{
    dialogs.onModal = [](QDialog& dialog) { return AcceptCode(dialog, "21"); };
    form->Timer1Timer();
    dialogs.savePath = "/somewhere/else/spektrum";
    form->findChild<QAction*>("Kpernymentse1")->trigger();
    const QString written = rootFolder.path() + "/21/01_spektrum.jpg";
    ASSERT_TRUE(QFileInfo::exists(written));
    EXPECT_EQ(QImage(written).size(), form->centralWidget()->size());
    ASSERT_FALSE(dialogs.saveRequests.empty());
    EXPECT_EQ(dialogs.saveRequests.back().initialFolder, rootFolder.path() + "/21/");
}

TEST_F(WindowPictures, PictureDuringARunShowsTheTracks)
{
    const QString written = rootFolder.path() + "/meres.jpg";
    dialogs.savePath = written;
    QTimer::singleShot(0, form.get(), [&] {
        form->findChild<QAction*>("Mentskpknt1")->trigger();
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
}

}
