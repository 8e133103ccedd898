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
// with their names, places and colours.

QFont ArialBold(int pixelSize);

void SetBackground(QWidget* widget, const QColor& colour);
void SetTextColour(QWidget* widget, const QColor& colour);
// The colour of an edit box's text area.
void SetBoxColour(QLineEdit* edit, const QColor& colour);
QColor BoxColour(const QLineEdit* edit);

QFrame* MakePanel(QWidget* parent, const QString& name, const QRect& geometry, const QColor& colour);
// A label with its own background; without a size it fits its text.
QLabel* MakeStaticText(QWidget* parent, const QString& name, const QString& text, const QRect& geometry,
                       const QColor& background, const QColor& textColour);
// A label on the panel's own background, fitting its text.
QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, QPoint at);
// A panel's title: a label in larger letters.
QLabel* MakeTitle(QWidget* parent, const QString& name, const QString& text, QPoint at);
QLineEdit* MakeEdit(QWidget* parent, const QString& name, const QRect& geometry, const QString& text);
QLineEdit* MakeReadOnlyEdit(QWidget* parent, const QString& name, const QRect& geometry, const QString& text);
QPushButton* MakeButton(QWidget* parent, const QString& name, const QRect& geometry, const QString& caption);
QCheckBox* MakeCheckBox(QWidget* parent, const QString& name, const QRect& geometry, const QString& caption,
                        bool checked);
QFrame* MakeShape(QWidget* parent, const QString& name, const QRect& geometry, const QColor& fill);
