#include "tests/ui/window_fixture.h"

#include "tests/support/band_at_50kev.h"
#include "ui/layout/window_layout.h"
#include "ui/palette.h"
#include "ui/up_down.h"
#include "ui/widget_factory.h"

#include <QApplication>
#include <QFrame>
#include <QToolButton>

namespace {

using SettingsInputs = WindowTest;

const QString EnergyRefused = "Hibás adat!! Ide csak nem-negatív szám írható!";
const QString FieldRefused = "Hibás adat!! Ide csak pozitív egész szám írható!";
const QString CountRefused = "Hibás adat!  Ide csak pozitív egész szám írható!!";

TEST_F(SettingsInputs, ElectricFieldFollowsEnergyAndInduction)
{
    Enter("BField", "1000");
    Enter("Edit7", "100");
    EXPECT_EQ(Text("EField"), "164352.47974");
    Enter("Edit7", "156");
    EXPECT_EQ(Text("EField"), "192677.10396");
    Enter("Edit7", "0");
    EXPECT_EQ(Text("EField"), "   0.00000");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(SettingsInputs, EnergyEntriesAndRefusals)
{
    ShowActive();
    Enter("Edit7", "1,5");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].title, "***  HIBA!! ***");
    EXPECT_EQ(dialogs.messages[0].text, EnergyRefused);
    EXPECT_EQ(BoxColour(Find("Edit7")), QColor(Palette::ErrorColor));
    EXPECT_EQ(Text("Edit7"), "1,5");
    ASSERT_TRUE(WaitFor("the focus in the energy box", [&] { return Find("Edit7")->hasFocus(); }));
    EXPECT_EQ(Find("Edit7")->selectedText(), "1,5");

    Enter("Edit7", "-1");
    EXPECT_EQ(LastMessage(), EnergyRefused);
    Enter("Edit7", "2e2");
    EXPECT_EQ(Text("Edit7"), "200");
    Enter("Edit7", "0150.0");
    EXPECT_EQ(Text("Edit7"), "150");
    EXPECT_EQ(BoxColour(Find("Edit7")), QColor(Palette::NormalColor));
    EXPECT_EQ(dialogs.messages.size(), 2u);
}

TEST_F(SettingsInputs, RefusedEntryChangesNoSetting)
{
    Enter("BField", "1000");
    Enter("Edit7", "50");
    const FilterSettings before = sim.filter;
    Enter("Edit7", "abc");
    Enter("BField", "12.5");
    EXPECT_EQ(sim.filter.tunedEnergy, before.tunedEnergy);
    EXPECT_EQ(sim.filter.magneticField, before.magneticField);
    EXPECT_EQ(sim.filter.electricField, before.electricField);
}

TEST_F(SettingsInputs, InductionEntries)
{
    for (const char* refused : {"-5", "12.5", "abc"}) {
        Enter("BField", refused);
        EXPECT_EQ(LastMessage(), FieldRefused) << refused;
        EXPECT_EQ(BoxColour(Find("BField")), QColor(Palette::ErrorColor));
    }
    Enter("BField", " 120");
    EXPECT_EQ(Text("BField"), "120");
    EXPECT_EQ(sim.filter.magneticField, 120 / 1e6);
    EXPECT_EQ(BoxColour(Find("BField")), QColor(Palette::NormalColor));

    Enter("BField", "0");
    EXPECT_EQ(Text("Edit14"), "Nem számolható");
    EXPECT_EQ(sim.filter.electricField, 0.0);
}

TEST_F(SettingsInputs, PassBandFollowsTheSettings)
{
    Enter("BField", "1000");
    Enter("Edit7", "50");
    EXPECT_EQ(Text("Edit14"), BandAt50KeV.width);
    EXPECT_EQ(Text("Edit12"), BandAt50KeV.lower);
    EXPECT_EQ(Text("Edit13"), BandAt50KeV.upper);
}

TEST_F(SettingsInputs, ParticleCount)
{
    Enter("Edit6", "0");
    EXPECT_EQ(LastMessage(), CountRefused);
    EXPECT_EQ(BoxColour(Find("Edit6")), QColor(Palette::ErrorColor));
    Enter("Edit6", "  500");
    EXPECT_EQ(Text("Edit6"), "500");
    EXPECT_EQ(sim.run.setCount, 500);
    EXPECT_EQ(BoxColour(Find("Edit6")), QColor(Palette::NormalColor));
    Enter("Edit6", "$10");
    EXPECT_EQ(sim.run.setCount, 16);
    EXPECT_EQ(Text("Edit6"), "16");
}

TEST_F(SettingsInputs, SlitSteps)
{
    auto* up = form->findChild<QWidget*>("UpDown3")->findChild<QToolButton*>("Up");
    auto* down = form->findChild<QWidget*>("UpDown3")->findChild<QToolButton*>("Down");
    QTest::mouseClick(up, Qt::LeftButton);
    EXPECT_EQ(Text("Blende3"), "1.5");
    EXPECT_EQ(Find<QFrame>("Shape6")->geometry(), QRect(182, 642, 29, 5));
    EXPECT_EQ(Find<QFrame>("Shape7")->geometry(), QRect(217, 642, 29, 5));
    EXPECT_EQ(sim.walls.JawWidth, 29);
    QTest::mouseClick(down, Qt::LeftButton);
    EXPECT_EQ(Text("Blende3"), "1");
    QTest::mouseClick(down, Qt::LeftButton);
    EXPECT_EQ(Text("Edit3"), "0");
    for (int i = 0; i < 25; ++i)
        QTest::mouseClick(up, Qt::LeftButton);
    EXPECT_EQ(Text("Blende3"), "10.5");
    EXPECT_EQ(Find<QFrame>("Shape6")->width(), 11);
    EXPECT_EQ(Find<QFrame>("Shape7")->geometry().right() + 1, 246);
    EXPECT_DOUBLE_EQ(sim.walls.Walls[RightJawWall].X1, 0.0105);
}

// Tab goes from the first stop round to it again, stopping at each control
// that the layout table makes a tab stop, in the table's order; the browser
// page is held to the same table.
TEST_F(SettingsInputs, TabGoesRoundInTheTableOrder)
{
    ShowActive();
    QStringList stops;
    for (const ControlPlace& place : WindowLayout()) {
        QWidget* control = form->findChild<QWidget*>(QString::fromUtf8(place.name.data(), qsizetype(place.name.size())));
        if (Focus(place) == FocusTaking::ByTab && control->isVisibleTo(form.get()) && control->isEnabled())
            stops << control->objectName();
    }
    ASSERT_GE(stops.size(), 10);
    form->findChild<QWidget*>(stops.front())->setFocus(Qt::OtherFocusReason);
    QStringList visited;
    for (qsizetype i = 0; i < stops.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(visited.join(' ').toStdString(), (stops.mid(1) << stops.front()).join(' ').toStdString());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(SettingsInputs, SlitStepperStepsWithTheArrowKeys)
{
    ShowActive();
    auto* stepper = form->findChild<UpDown*>("UpDown3");
    Find<QPushButton>("Button5")->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), stepper);
    QTest::keyClick(stepper, Qt::Key_Up);
    EXPECT_EQ(Text("Blende3"), "1.5");
    QTest::keyClick(stepper, Qt::Key_Down);
    EXPECT_EQ(Text("Blende3"), "1");
    QTest::keyClick(stepper, Qt::Key_Down);
    EXPECT_EQ(Text("Edit3"), "0");
}

TEST_F(SettingsInputs, FieldsOffAndOn)
{
    Enter("BField", "1000");
    Enter("Edit7", "100");
    Click("CheckBox3");
    EXPECT_EQ(sim.filter.magneticField, 0.0);
    EXPECT_EQ(sim.filter.electricField, 0.0);
    for (const char* name : {"BField", "Edit7", "EField"})
        EXPECT_EQ(BoxColour(Find(name)), QColor(Palette::OffColor)) << name;
    EXPECT_TRUE(Find("Edit7")->isReadOnly());
    EXPECT_TRUE(Find("BField")->isReadOnly());
    Enter("Edit7", "5");
    EXPECT_EQ(Text("Edit7"), "100");
    EXPECT_EQ(sim.filter.magneticField, 0.0);

    Click("CheckBox3");
    EXPECT_EQ(sim.filter.magneticField, 0.001);
    EXPECT_NEAR(sim.filter.electricField, 164352.47974, 1e-6);
    EXPECT_EQ(BoxColour(Find("EField")), QColor(Qt::white));
    EXPECT_FALSE(Find("Edit7")->isReadOnly());
    EXPECT_FALSE(form->findChild<QWidget*>("UpDown4")->isHidden());
}

TEST_F(SettingsInputs, FieldStepper)
{
    auto* stepper = form->findChild<UpDown*>("UpDown4");
    ASSERT_TRUE(stepper);
    stepper->setPosition(3);
    EXPECT_EQ(Text("BField"), "150");
    EXPECT_DOUBLE_EQ(sim.filter.magneticField, 1.5e-4);
}

TEST_F(SettingsInputs, ConversionFailureOfAnotherFieldShowsTheGeneralBox)
{
    Find("Edit7")->setText("x1");
    Enter("BField", "100");
    ASSERT_FALSE(dialogs.messages.empty());
    EXPECT_EQ(dialogs.messages.back().title, "Vantor");
    EXPECT_EQ(dialogs.messages.back().text, "'x1' is not a valid floating point value.");
    EXPECT_EQ(dialogs.messages.back().icon, Dialogs::Icon::Error);
}

// A real box runs its own event loop, and the refused field takes its focus
// back inside it, leaving the field that was clicked into. That field has seen
// no entry and must not be checked: one box per refusal. Once the box is
// closed, the refused text is still selected, ready to be typed over.
TEST_F(SettingsInputs, ClickingIntoAnotherFieldAfterARefusalShowsOneBox)
{
    ShowActive();
    dialogs.nestedLoopMilliseconds = 50;
    struct Case {
        const char* refused;
        const char* typed;
        const char* clicked;
        const QString& message;
    };
    for (const Case& c : {Case{"Edit7", "1,5", "BField", EnergyRefused}, Case{"BField", "abc", "Edit7", FieldRefused},
                          Case{"Edit6", "0", "Edit7", CountRefused}}) {
        QLineEdit* refused = Find(c.refused);
        refused->setFocus(Qt::TabFocusReason);
        // An energy that was never entered: checking it would rewrite it as "150".
        Find("Edit7")->setText("0150.0");
        refused->selectAll();
        QTest::keyClicks(refused, c.typed);
        dialogs.messages.clear();
        const FilterSettings before = sim.filter;

        QTest::mouseClick(Find(c.clicked), Qt::LeftButton);
        ASSERT_TRUE(WaitFor("the focus back in the refused box", [&] { return refused->hasFocus(); })) << c.refused;
        EXPECT_EQ(refused->selectedText(), c.typed) << c.refused;
        ASSERT_EQ(dialogs.messages.size(), 1u) << c.refused;
        EXPECT_EQ(dialogs.messages[0].text, c.message);
        if (refused != Find("Edit7")) {
            EXPECT_EQ(Text("Edit7"), "0150.0") << c.refused;
        }
        EXPECT_EQ(sim.filter.tunedEnergy, before.tunedEnergy) << c.refused;
        EXPECT_EQ(sim.filter.magneticField, before.magneticField) << c.refused;

        // Once the refused field is put right, leaving it checks it as usual.
        refused->setText(c.refused == std::string("Edit6") ? "500" : "0");
        Find(c.clicked)->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(dialogs.messages.size(), 1u) << c.refused;
    }
    EXPECT_EQ(sim.run.setCount, 500);
}

TEST_F(SettingsInputs, DoubleClickSelectsTheWholeText)
{
    QLineEdit* edit = Find("Edit6");
    edit->deselect();
    QTest::mouseDClick(edit, Qt::LeftButton);
    EXPECT_EQ(edit->selectedText(), "1000");
}

}

namespace {

// A Hungarian user writes decimal commas everywhere else; the window keeps to points.
TEST_F(SettingsInputs, NumbersKeepThePointInAHungarianLocale)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::Hungarian, QLocale::Hungary));
    Enter("BField", "1000");
    Enter("Edit7", "100.5");
    QLocale::setDefault(saved);
    EXPECT_EQ(Text("Edit7"), "100.5");
    EXPECT_TRUE(Text("EField").contains('.'));
    EXPECT_FALSE(Text("EField").contains(','));
    EXPECT_TRUE(dialogs.messages.empty());
}

}
