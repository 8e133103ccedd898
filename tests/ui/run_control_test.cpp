#include "tests/ui/window_fixture.h"

#include "tests/support/band_at_50kev.h"
#include "ui/overlay_canvas.h"
#include "ui/up_down.h"

#include <QTimer>

#include <cstdint>
#include <limits>
#include <regex>
#include <set>

namespace {

using RunControl = WindowTest;

bool IsElapsedTime(const QString& text)
{
    return std::regex_match(text.toStdString(), std::regex(R"(\d+:\d\d:\d\d)"));
}

TEST_F(RunControl, ContinueIsOnlyPossibleAfterAStart)
{
    EXPECT_FALSE(Find<QPushButton>("Button4")->isEnabled());
}

TEST_F(RunControl, StartStopsByItselfAtTheSetCount)
{
    Enter("BField", "1000");
    Enter("Edit7", "50");
    Find<QCheckBox>("CheckBox1")->setChecked(true);
    Click("Button3");
    EXPECT_EQ(Text("Edit9"), "1000");
    EXPECT_EQ(sim.run.launchedCount, 1000);
    EXPECT_EQ(Find<QPushButton>("Button4")->text(), "Folytatás");
    EXPECT_TRUE(Find<QPushButton>("Button3")->isEnabled());
    EXPECT_TRUE(IsElapsedTime(Text("Edit1"))) << Text("Edit1").toStdString();
    EXPECT_EQ(Text("Edit8"), QString::number(sim.run.detectedCount));
    EXPECT_GT(sim.run.detectedCount, 0);
    EXPECT_EQ(Text("Edit14"), BandAt50KeV.width);
    EXPECT_FALSE(sim.run.running);
}

TEST_F(RunControl, SettingsAreGreyedDuringARunAndStopIsSeenAtTheNextThousand)
{
    std::vector<bool> enabledDuringRun;
    QTimer::singleShot(0, form.get(), [&] {
        for (const char* name : {"CheckBox3", "Edit7", "BField", "Edit6", "CheckBox1", "Button7", "Button5",
                                 "CheckBox5", "Blende3", "UpDown3", "UpDown4", "Button3"})
            enabledDuringRun.push_back(form->findChild<QWidget*>(name)->isEnabled());
        enabledDuringRun.push_back(Find<QCheckBox>("CheckBox4")->isEnabled());
        Click("Button4");
    });
    Click("Button3");
    ASSERT_EQ(enabledDuringRun.size(), 13u);
    for (std::size_t i = 0; i + 1 < enabledDuringRun.size(); ++i)
        EXPECT_FALSE(enabledDuringRun[i]) << i;
    EXPECT_TRUE(enabledDuringRun.back());
    EXPECT_EQ(sim.run.launchedCount, 1000);
    EXPECT_EQ(Text("Edit9"), "1000");
    EXPECT_TRUE(Find("Edit7")->isEnabled());
    EXPECT_TRUE(Find<QCheckBox>("CheckBox5")->isEnabled());
}

TEST_F(RunControl, ContinueAfterTheSetCountRunsWithoutLimit)
{
    Find<QCheckBox>("CheckBox1")->setChecked(true);
    Click("Button3");
    ASSERT_EQ(sim.run.launchedCount, 1000);
    int turns = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, form.get(), [&] {
        if (++turns == 3)
            Click("Button4");
    });
    timer.start(0);
    Click("Button4");
    EXPECT_FALSE(Find<QCheckBox>("CheckBox1")->isChecked());
    EXPECT_FALSE(sim.run.stopAtCount);
    EXPECT_GT(sim.run.launchedCount, 1000);
    EXPECT_EQ(sim.run.launchedCount % 1000, 0);
    EXPECT_EQ(Find<QPushButton>("Button4")->text(), "Folytatás");
}

TEST_F(RunControl, ContinuingWithoutLimitStopsWhereTheCountEnds)
{
    constexpr std::int32_t Largest = std::numeric_limits<std::int32_t>::max();
    Find<QCheckBox>("CheckBox1")->setChecked(true);
    Click("Button3");
    sim.run.launchedCount = Largest - 1500;
    Click("Button4");
    EXPECT_EQ(sim.run.launchedCount, Largest);
    EXPECT_FALSE(sim.run.running);
    EXPECT_EQ(Text("Edit9"), "2147483647");
    EXPECT_EQ(Find<QPushButton>("Button4")->text(), "Folytatás");
    EXPECT_TRUE(Find<QPushButton>("Button3")->isEnabled());
    EXPECT_TRUE(Find("Edit6")->isEnabled());

    // Full counters: Continue changes nothing.
    Click("Button4");
    EXPECT_FALSE(sim.run.running);
    EXPECT_EQ(Find<QPushButton>("Button4")->text(), "Folytatás");
}

// Clicks on Stop/Folytatás come faster than the run's turns, as a lagging PC
// delivers them. Like clicks from the display, timers already due are handled
// in every turn, also in the turn of a loop inside another. Each click is
// handled at about the same depth of the stack (the event dispatch may take
// one of a few ways there; a loop inside another would lie at least a
// RunParticles frame and the event processing deeper), and the run counts
// what it would have counted without them. The frame's own address, not a
// local's: the address sanitizer moves locals to a stack of its own.
TEST_F(RunControl, ABurstOfStopAndContinueKeepsOneLoop)
{
    Enter("BField", "1000");
    Enter("Edit7", "50");
    Find<QCheckBox>("CheckBox1")->setChecked(true);
    Enter("Edit6", "3000");
    const RandomState drawsFromHere = sim.random;
    Click("Button3");
    const RunState uninterrupted = sim.run;
    ASSERT_GT(uninterrupted.detectedCount, 0);

    sim.random = drawsFromHere;
    constexpr int Clicks = 20000;
    int clicked = 0;
    std::set<std::uintptr_t> depths;
    for (int i = 0; i < Clicks; ++i)
        QTimer::singleShot(1, form.get(), [&] {
            depths.insert(reinterpret_cast<std::uintptr_t>(__builtin_frame_address(0)));
            ++clicked;
            Click("Button4");
        });
    QTest::qSleep(5);
    Click("Button3");
    EXPECT_EQ(clicked, Clicks);
    constexpr std::uintptr_t DispatchWays = 4096;   // bytes of stack
    EXPECT_LT(*depths.rbegin() - *depths.begin(), DispatchWays);
    EXPECT_EQ(sim.run.launchedCount, uninterrupted.launchedCount);
    EXPECT_EQ(sim.run.detectedCount, uninterrupted.detectedCount);
    EXPECT_FALSE(sim.run.running);
    EXPECT_EQ(Text("Edit9"), "3000");
    EXPECT_EQ(Find<QPushButton>("Button4")->text(), "Folytatás");
    EXPECT_TRUE(Find<QCheckBox>("CheckBox1")->isChecked());
}

// Start pressed in a turn just after Stop: the particle launched for the
// measurement before is not flown in the new one. With the fields off every
// flown particle reaches the detector.
TEST_F(RunControl, StartInATurnFliesOnlyItsOwnParticles)
{
    Find<QCheckBox>("CheckBox1")->setChecked(true);
    bool restarted = false;
    QTimer::singleShot(0, form.get(), [&] {
        Click("Button4");
        Click("Button3");
        restarted = true;
    });
    Click("Button3");
    ASSERT_TRUE(restarted);
    EXPECT_EQ(sim.run.launchedCount, 1000);
    EXPECT_EQ(sim.run.detectedCount, 1000);
    EXPECT_EQ(Find<QPushButton>("Button4")->text(), "Folytatás");
}

TEST_F(RunControl, RaisedCountContinuesToTheNewCount)
{
    Find<QCheckBox>("CheckBox1")->setChecked(true);
    Click("Button3");
    Enter("Edit6", "2500");
    Click("Button4");
    EXPECT_TRUE(Find<QCheckBox>("CheckBox1")->isChecked());
    EXPECT_EQ(sim.run.launchedCount, 2500);
    EXPECT_EQ(Text("Edit9"), "2500");
}

TEST_F(RunControl, DetectorCountIsKeptWhenAskedTo)
{
    Find<QCheckBox>("CheckBox1")->setChecked(true);
    Enter("BField", "1000");
    Enter("Edit7", "50");
    Click("Button3");
    const int first = sim.run.detectedCount;
    Find<QCheckBox>("CheckBox5")->setChecked(false);
    Click("Button3");
    EXPECT_GT(sim.run.detectedCount, first);
    EXPECT_EQ(Text("Edit9"), "1000");

    Click("Button5");
    EXPECT_EQ(sim.run.detectedCount, 0);
    EXPECT_EQ(Text("Edit8"), "0");
    EXPECT_EQ(sim.run.launchedCount, 1000);
    Click("Button7");
    EXPECT_EQ(sim.run.launchedCount, 0);
    EXPECT_EQ(Text("Edit9"), "0");
}

TEST_F(RunControl, TracksAreDrawnAndCleared)
{
    Find<QCheckBox>("CheckBox1")->setChecked(true);
    Enter("Edit6", "100");
    Click("Button3");
    // The hundredth particle, light red, is drawn last along the axis.
    EXPECT_EQ(form->Overlay().Image().pixelColor(200, 300), QColor(255, 128, 128));
    Click("Button7");
    EXPECT_EQ(form->Overlay().Image().pixelColor(200, 300).alpha(), 0);
}

TEST_F(RunControl, StartWithABadCountChangesNothing)
{
    Find("Edit6")->setText("abc");
    Click("Button3");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "'abc' is not a valid integer value.");
    EXPECT_EQ(dialogs.messages[0].title, "Vantor");
    EXPECT_EQ(sim.run.launchedCount, 0);
    EXPECT_FALSE(Find<QPushButton>("Button4")->isEnabled());
    EXPECT_EQ(Text("Edit14"), "0");
}

TEST_F(RunControl, StartShowsTheBandEvenWithoutField)
{
    Find<QCheckBox>("CheckBox1")->setChecked(true);
    Enter("Edit6", "10");
    Click("Button3");
    EXPECT_EQ(Text("Edit14"), "Nem számolható");
}

TEST_F(RunControl, TheEndQuestion)
{
    form->show();
    dialogs.answerYes = false;
    form->close();
    ASSERT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(dialogs.questions[0].title, "*** MEGERŐSÍTÉS ***");
    EXPECT_EQ(dialogs.questions[0].text, "Minden el van mentve? Befejezzük? (I/N)");
    EXPECT_TRUE(form->isVisible());
    form->findChild<QAction*>("Vge1")->trigger();
    form->findChild<QAction*>("Vge2")->trigger();
    EXPECT_EQ(dialogs.questions.size(), 3u);
    EXPECT_TRUE(form->isVisible());
    dialogs.answerYes = true;
    form->close();
    EXPECT_FALSE(form->isVisible());
}

TEST_F(RunControl, ConfirmingTheEndDuringARunStopsIt)
{
    form->show();
    dialogs.answerYes = true;
    QTimer::singleShot(0, form.get(), [&] { form->close(); });
    Click("Button3");
    EXPECT_FALSE(sim.run.running);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(sim.run.launchedCount, 1000);
}

TEST_F(RunControl, AnsweringNoDuringARunKeepsItGoing)
{
    form->show();
    dialogs.answerYes = false;
    int turns = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, form.get(), [&] {
        ++turns;
        if (turns == 1)
            form->close();
        if (turns == 3)
            Click("Button4");
    });
    timer.start(0);
    Click("Button3");
    EXPECT_TRUE(form->isVisible());
    EXPECT_GE(sim.run.launchedCount, 3000);
}

}
