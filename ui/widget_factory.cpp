#include "ui/widget_factory.h"

#include "ui/layout/window_layout.h"
#include "ui/palette.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>

namespace {

QString TextOf(const ControlPlace& place)
{
    return QString::fromUtf8(place.text.data(), static_cast<qsizetype>(place.text.size()));
}

QColor ColourOf(std::uint32_t rgb)
{
    return QColor(Palette::Opaque(rgb));
}

// Named, hidden when the table keeps it out of sight, and enabled as it says.
template <class Widget>
Widget* Placed(Widget* widget, const ControlPlace& place)
{
    widget->setObjectName(QString::fromUtf8(place.name.data(), static_cast<qsizetype>(place.name.size())));
    if (!place.shown)
        widget->hide();
    widget->setEnabled(place.start.enabled);
    return widget;
}

}

QRect LayoutGeometry(const char* name)
{
    const ControlRect rect = Place(name).rect;
    return QRect(rect.x, rect.y, rect.width, rect.height);
}

QFont ArialBold(int pixelSize)
{
    QFont font("Arial");
    font.setPixelSize(pixelSize);
    font.setBold(true);
    return font;
}

void SetBackground(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void SetTextColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}

void SetBoxColour(QLineEdit* edit, const QColor& colour)
{
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, colour);
    edit->setPalette(palette);
}

QColor BoxColour(const QLineEdit* edit)
{
    return edit->palette().color(QPalette::Base);
}

QFrame* MakePanel(QWidget* parent, const char* name)
{
    const ControlPlace& place = Place(name);
    auto* panel = Placed(new QFrame(parent), place);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setGeometry(LayoutGeometry(name));
    SetBackground(panel, ColourOf(place.start.colour));
    return panel;
}

QLabel* MakeStaticText(QWidget* parent, const char* name)
{
    const ControlPlace& place = Place(name);
    auto* label = Placed(new QLabel(TextOf(place), parent), place);
    SetBackground(label, ColourOf(place.start.colour));
    SetTextColour(label, ColourOf(place.start.textColour));
    const QRect geometry = LayoutGeometry(name);
    if (geometry.size().isEmpty()) {
        label->move(geometry.topLeft());
        label->adjustSize();
    } else {
        label->setGeometry(geometry);
    }
    return label;
}

QLabel* MakeLabel(QWidget* parent, const char* name)
{
    const ControlPlace& place = Place(name);
    auto* label = Placed(new QLabel(TextOf(place), parent), place);
    label->move(LayoutGeometry(name).topLeft());
    label->adjustSize();
    return label;
}

QLabel* MakeTitle(QWidget* parent, const char* name)
{
    QLabel* title = MakeLabel(parent, name);
    title->setFont(ArialBold(19));
    title->adjustSize();
    return title;
}

QLineEdit* MakeEdit(QWidget* parent, const char* name)
{
    const ControlPlace& place = Place(name);
    auto* edit = Placed(new QLineEdit(TextOf(place), parent), place);
    edit->setGeometry(LayoutGeometry(name));
    edit->setReadOnly(place.kind == ControlKind::ReadOnlyEdit);
    SetBoxColour(edit, ColourOf(place.start.colour));
    return edit;
}

QPushButton* MakeButton(QWidget* parent, const char* name)
{
    const ControlPlace& place = Place(name);
    auto* button = Placed(new QPushButton(TextOf(place), parent), place);
    button->setGeometry(LayoutGeometry(name));
    return button;
}

QCheckBox* MakeCheckBox(QWidget* parent, const char* name)
{
    const ControlPlace& place = Place(name);
    auto* box = Placed(new QCheckBox(TextOf(place), parent), place);
    box->setGeometry(LayoutGeometry(name));
    box->setChecked(place.start.checked);
    return box;
}

// The frame is drawn in the text colour.
QFrame* MakeShape(QWidget* parent, const char* name)
{
    const ControlPlace& place = Place(name);
    auto* shape = Placed(new QFrame(parent), place);
    shape->setGeometry(LayoutGeometry(name));
    shape->setFrameStyle(QFrame::Box | QFrame::Plain);
    SetBackground(shape, ColourOf(place.start.colour));
    SetTextColour(shape, ColourOf(place.start.textColour));
    return shape;
}
