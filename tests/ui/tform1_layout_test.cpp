#include "tests/ui/window_fixture.h"

#include "help/help_dialog.h"
#include "ui/layout/window_layout.h"
#include "ui/palette.h"
#include "ui/widget_factory.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

#include <map>
#include <string>
#include <string_view>

namespace {

using TForm1Layout = WindowTest;

// The controls a panel shows, in the panel's coordinates.
QList<QWidget*> ShownChildren(QWidget* panel)
{
    QList<QWidget*> shown;
    for (QWidget* child : panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isVisibleTo(panel))
            shown.append(child);
    }
    return shown;
}

int VisibleActions(QMenu* menu)
{
    int visible = 0;
    for (QAction* action : menu->actions())
        visible += action->isVisible() ? 1 : 0;
    return visible;
}

// The four control panels lie side by side in the drawing's panel, each
// control inside its panel and clear of the others; an up-down stepper alone
// may touch the box it steps.
TEST_F(TForm1Layout, ControlsLieInsideTheirPanelsApart)
{
    QFrame* drawing = Find<QFrame>("Panel2");
    EXPECT_LE(drawing->geometry().right(), form->width());
    QList<QRect> panels;
    for (const char* name : {"Panel7", "Panel5", "Panel3", "Panel6"}) {
        QFrame* panel = Find<QFrame>(name);
        EXPECT_TRUE(drawing->rect().contains(panel->geometry())) << name;
        for (const QRect& other : panels)
            EXPECT_FALSE(other.intersects(panel->geometry())) << name;
        panels.append(panel->geometry());
        const QList<QWidget*> controls = ShownChildren(panel);
        EXPECT_GE(controls.size(), 5) << name;
        for (QWidget* control : controls) {
            EXPECT_TRUE(panel->rect().contains(control->geometry())) << name << " " << control->objectName().toStdString();
            for (QWidget* other : controls) {
                const bool stepper = control->objectName().startsWith("UpDown") || other->objectName().startsWith("UpDown");
                if (control < other && !stepper) {
                    EXPECT_FALSE(control->geometry().intersects(other->geometry()))
                        << control->objectName().toStdString() << " " << other->objectName().toStdString();
                }
            }
        }
    }
}

// The page in the browser is laid out from the same table, so each control
// the window shows must be where the table puts it, and hidden where the
// table hides it. The jaws, the detector and their labels move with the drawing.
TEST_F(TForm1Layout, ControlsSitWhereTheLayoutTablePutsThem)
{
    for (const ControlPlace& place : WindowLayout()) {
        const QString name = QString::fromUtf8(place.name.data(), static_cast<qsizetype>(place.name.size()));
        QWidget* widget = form->findChild<QWidget*>(name);
        ASSERT_NE(widget, nullptr) << name.toStdString();
        EXPECT_EQ(widget->isHidden(), !place.shown) << name.toStdString();
        EXPECT_EQ(widget->parentWidget()->objectName().toStdString(),
                  place.parent.empty() ? "Client" : std::string(place.parent));
        if (place.kind == ControlKind::Shape || name == "StaticText4" || name == "StaticText5")
            continue;
        const QRect expected(place.rect.x, place.rect.y, place.rect.width, place.rect.height);
        if (expected.size().isEmpty())
            EXPECT_EQ(widget->pos(), expected.topLeft()) << name.toStdString();
        else
            EXPECT_EQ(widget->geometry(), expected) << name.toStdString();
    }
    EXPECT_EQ(form->width(), ClientWidth);
    EXPECT_EQ(Find<QLabel>("StaticText18")->font().pixelSize(), 19);
    EXPECT_TRUE(Find<QLabel>("StaticText18")->font().bold());
    EXPECT_EQ(Find<QLabel>("StaticText18")->font().family(), "Arial");
}

TEST_F(TForm1Layout, CaptionsAndDefaults)
{
    EXPECT_EQ(form->windowTitle(), "Béta sugárzás spektrumának mérése");
    EXPECT_EQ(Find<QPushButton>("Button3")->text(), "Start");
    EXPECT_EQ(Find<QPushButton>("Button4")->text(), "Stop");
    EXPECT_EQ(Find<QPushButton>("Button7")->text(), "Részecskék törlése");
    EXPECT_EQ(Find<QPushButton>("Button5")->text(), "Töröl");
    EXPECT_EQ(Find<QCheckBox>("CheckBox3")->text(), "Be/Ki");
    EXPECT_TRUE(Find<QCheckBox>("CheckBox3")->isChecked());
    EXPECT_TRUE(Find<QCheckBox>("CheckBox4")->isChecked());
    EXPECT_FALSE(Find<QCheckBox>("CheckBox1")->isChecked());
    EXPECT_TRUE(Find<QCheckBox>("CheckBox5")->isChecked());
    EXPECT_EQ(Text("Edit7"), "0");
    EXPECT_EQ(Text("Edit6"), "1000");
    EXPECT_EQ(Text("Blende3"), "0.5");
    EXPECT_EQ(Text("Edit1"), "0");
    for (const char* readOnly : {"EField", "Edit1", "Edit9", "Edit8", "Blende3", "Edit14", "Edit12", "Edit13"})
        EXPECT_TRUE(Find(readOnly)->isReadOnly()) << readOnly;
    for (const char* hidden : {"Edit4", "Edit5", "Edit3", "Edit12", "Edit13"})
        EXPECT_TRUE(Find(hidden)->isHidden()) << hidden;
    EXPECT_TRUE(form->findChild<QWidget*>("UpDown4")->isHidden());
    EXPECT_FALSE(form->findChild<QWidget*>("UpDown3")->isHidden());
    EXPECT_EQ(Find<QLabel>("Panel9")->text(), "Béta-forrás: radiokarbon (C-14)");
}

TEST_F(TForm1Layout, MenusShowOnlyTheirVisibleItems)
{
    auto* file = form->findChild<QMenu*>("File1");
    auto* help = form->findChild<QMenu*>("Sg1");
    ASSERT_TRUE(file && help);
    EXPECT_EQ(VisibleActions(file), 2);
    EXPECT_EQ(VisibleActions(help), 1);
    EXPECT_FALSE(form->findChild<QAction*>("Loadsource1")->isVisible());
    EXPECT_FALSE(form->findChild<QAction*>("Feladatok1")->isVisible());
    EXPECT_FALSE(form->findChild<QAction*>("Aprogramhasznlata1")->isVisible());
    EXPECT_EQ(form->findChild<QAction*>("Vge1")->text(), "Vége");
    auto* popup = form->findChild<QMenu*>("PopupMenu2");
    ASSERT_TRUE(popup);
    ASSERT_EQ(popup->actions().size(), 1);
    EXPECT_EQ(popup->actions().front()->text(), "Mentés képként");
    EXPECT_EQ(form->contextMenuPolicy(), Qt::CustomContextMenu);
}

TEST_F(TForm1Layout, ApparatusShapesArePlaced)
{
    EXPECT_EQ(Find<QFrame>("Shape6")->geometry(), QRect(182, 642, 30, 5));
    EXPECT_EQ(Find<QFrame>("Shape7")->geometry(), QRect(216, 642, 30, 5));
    EXPECT_EQ(Find<QFrame>("Shape8")->geometry(), QRect(169, 647, 91, 54));
    EXPECT_EQ(Find<QLabel>("StaticText4")->pos(), QPoint(286, 637));
    EXPECT_EQ(Find<QLabel>("StaticText5")->pos(), QPoint(271, 667));
}

// The page takes its colours and start states from the same table, so the
// window must be built from it, its boxes coloured as the first activation
// leaves them.
TEST_F(TForm1Layout, ControlsTakeTheLayoutTablesColoursAndStates)
{
    std::map<std::string_view, std::uint32_t> activated;
    for (const ActivatedColour& box : ActivatedBoxColours())
        activated[box.name] = box.colour;
    for (const ControlPlace& place : WindowLayout()) {
        const std::string name(place.name);
        QWidget* widget = form->findChild<QWidget*>(QString::fromStdString(name));
        ASSERT_NE(widget, nullptr) << name;
        EXPECT_EQ(widget->isEnabled(), place.start.enabled) << name;
        switch (place.kind) {
        case ControlKind::Panel:
        case ControlKind::StaticText:
        case ControlKind::Shape:
            EXPECT_EQ(widget->palette().color(QPalette::Window), QColor(place.start.colour)) << name;
            EXPECT_EQ(widget->palette().color(QPalette::WindowText), QColor(place.start.textColour)) << name;
            break;
        case ControlKind::Edit:
        case ControlKind::ReadOnlyEdit:
            EXPECT_EQ(BoxColour(qobject_cast<QLineEdit*>(widget)),
                      QColor(activated.contains(place.name) ? activated.at(place.name) : place.start.colour))
                << name;
            break;
        case ControlKind::CheckBox:
            EXPECT_EQ(qobject_cast<QCheckBox*>(widget)->isChecked(), place.start.checked) << name;
            break;
        default:
            break;
        }
    }
}

TEST_F(TForm1Layout, LaterActivationsChangeNothing)
{
    Find<QLabel>("Panel9")->setText("x");
    SetBoxColour(Find("Edit7"), QColor(Palette::ErrorColor));
    form->FormActivate();
    EXPECT_EQ(Find<QLabel>("Panel9")->text(), "x");
    EXPECT_EQ(BoxColour(Find("Edit7")), QColor(Palette::ErrorColor));
}

TEST_F(TForm1Layout, WallsAndSourceAreReadyAfterActivation)
{
    EXPECT_DOUBLE_EQ(sim.walls.Walls[LeftJawWall].X2, -0.001);
    EXPECT_DOUBLE_EQ(sim.walls.Walls[RightPlateWall].X1, 0.0255);
    EXPECT_EQ(sim.source.Knots.size(), 17u);
}

}

namespace {

TEST_F(TForm1Layout, HiddenHelpItemsStillOpenTheirPages)
{
    const THelpDlg* help = form->findChild<THelpDlg*>();
    ASSERT_NE(help, nullptr);
    form->findChild<QAction*>("Aprogramhasznlata1")->trigger();
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->windowTitle(), "Súgó (A program használata + Feladatok)");
    form->findChild<QAction*>("Feladatok1")->trigger();
    EXPECT_EQ(help->windowTitle(), "Súgó (Elméleti bevezető )");
}

}
