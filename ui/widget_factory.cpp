#include "ui/widget_factory.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>

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

QFrame* MakePanel(QWidget* parent, const QString& name, const QRect& geometry, const QColor& colour)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setGeometry(geometry);
    SetBackground(panel, colour);
    return panel;
}

QLabel* MakeStaticText(QWidget* parent, const QString& name, const QString& text, const QRect& geometry,
                       const QColor& background, const QColor& textColour)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    SetBackground(label, background);
    SetTextColour(label, textColour);
    if (geometry.size().isEmpty()) {
        label->move(geometry.topLeft());
        label->adjustSize();
    } else {
        label->setGeometry(geometry);
    }
    return label;
}

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, QPoint at)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->move(at);
    label->adjustSize();
    return label;
}

QLabel* MakeTitle(QWidget* parent, const QString& name, const QString& text, QPoint at)
{
    QLabel* title = MakeLabel(parent, name, text, at);
    title->setFont(ArialBold(19));
    title->adjustSize();
    return title;
}

QLineEdit* MakeEdit(QWidget* parent, const QString& name, const QRect& geometry, const QString& text)
{
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(name);
    edit->setGeometry(geometry);
    return edit;
}

QLineEdit* MakeReadOnlyEdit(QWidget* parent, const QString& name, const QRect& geometry, const QString& text)
{
    QLineEdit* edit = MakeEdit(parent, name, geometry, text);
    edit->setReadOnly(true);
    return edit;
}

QPushButton* MakeButton(QWidget* parent, const QString& name, const QRect& geometry, const QString& caption)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    return button;
}

QCheckBox* MakeCheckBox(QWidget* parent, const QString& name, const QRect& geometry, const QString& caption,
                        bool checked)
{
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    box->setChecked(checked);
    return box;
}

QFrame* MakeShape(QWidget* parent, const QString& name, const QRect& geometry, const QColor& fill)
{
    auto* shape = new QFrame(parent);
    shape->setObjectName(name);
    shape->setGeometry(geometry);
    shape->setFrameStyle(QFrame::Box | QFrame::Plain);
    SetBackground(shape, fill);
    SetTextColour(shape, Qt::black);
    return shape;
}
