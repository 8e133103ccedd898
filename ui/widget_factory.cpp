#include "ui/widget_factory.h"

#include "ui/layout/window_layout.h"

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

// Named, and hidden when the table keeps it out of sight.
template <class Widget>
Widget* Placed(Widget* widget, const ControlPlace& place)
{
    widget->setObjectName(QString::fromUtf8(place.name.data(), static_cast<qsizetype>(place.name.size())));
    if (!place.shown)
        widget->hide();
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

QFrame* MakePanel(QWidget* parent, const char* name, const QColor& colour)
{
    auto* panel = Placed(new QFrame(parent), Place(name));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setGeometry(LayoutGeometry(name));
    SetBackground(panel, colour);
    return panel;
}

QLabel* MakeStaticText(QWidget* parent, const char* name, const QColor& background, const QColor& textColour)
{
    const ControlPlace& place = Place(name);
    auto* label = Placed(new QLabel(TextOf(place), parent), place);
    SetBackground(label, background);
    SetTextColour(label, textColour);
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
    return edit;
}

QPushButton* MakeButton(QWidget* parent, const char* name)
{
    const ControlPlace& place = Place(name);
    auto* button = Placed(new QPushButton(TextOf(place), parent), place);
    button->setGeometry(LayoutGeometry(name));
    return button;
}

QCheckBox* MakeCheckBox(QWidget* parent, const char* name, bool checked)
{
    const ControlPlace& place = Place(name);
    auto* box = Placed(new QCheckBox(TextOf(place), parent), place);
    box->setGeometry(LayoutGeometry(name));
    box->setChecked(checked);
    return box;
}

QFrame* MakeShape(QWidget* parent, const char* name, const QColor& fill)
{
    auto* shape = Placed(new QFrame(parent), Place(name));
    shape->setGeometry(LayoutGeometry(name));
    shape->setFrameStyle(QFrame::Box | QFrame::Plain);
    SetBackground(shape, fill);
    SetTextColour(shape, Qt::black);
    return shape;
}
