#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// The window is laid out at fixed pixel positions; these make its controls
// with their names, and with their places, texts, visibility, colours and
// start states from the window's layout table.

QFont ArialBold(int pixelSize);

void SetBackground(QWidget* widget, const QColor& colour);
void SetTextColour(QWidget* widget, const QColor& colour);
// The colour of an edit box's text area.
void SetBoxColour(QLineEdit* edit, const QColor& colour);
QColor BoxColour(const QLineEdit* edit);

// The control's rectangle in its parent, as the layout table has it.
QRect LayoutGeometry(const char* name);

QFrame* MakePanel(QWidget* parent, const char* name);
// A label with its own background; without a size it fits its text.
QLabel* MakeStaticText(QWidget* parent, const char* name);
// A label on the panel's own background, fitting its text.
QLabel* MakeLabel(QWidget* parent, const char* name);
// A panel's title: a label in larger letters.
QLabel* MakeTitle(QWidget* parent, const char* name);
// An edit box, read-only when the table says so.
QLineEdit* MakeEdit(QWidget* parent, const char* name);
QPushButton* MakeButton(QWidget* parent, const char* name);
QCheckBox* MakeCheckBox(QWidget* parent, const char* name);
QFrame* MakeShape(QWidget* parent, const char* name);
