#include "ui/up_down.h"

#include <QKeyEvent>
#include <QResizeEvent>
#include <QToolButton>

#include <algorithm>

UpDown::UpDown(int minimum, int maximum, QWidget* parent)
    : QWidget(parent),
      m_minimum(minimum),
      m_maximum(maximum),
      m_position(minimum),
      m_up(new QToolButton(this)),
      m_down(new QToolButton(this))
{
    m_up->setObjectName("Up");
    m_down->setObjectName("Down");
    m_up->setArrowType(Qt::UpArrow);
    m_down->setArrowType(Qt::DownArrow);
    m_up->setAutoRepeat(true);
    m_down->setAutoRepeat(true);
    for (QToolButton* button : {m_up, m_down})
        button->setFocusPolicy(Qt::NoFocus);
    connect(m_up, &QToolButton::clicked, this, [this] { step(1); });
    connect(m_down, &QToolButton::clicked, this, [this] { step(-1); });
}

void UpDown::setPosition(int position)
{
    position = std::clamp(position, m_minimum, m_maximum);
    if (position == m_position)
        return;
    m_position = position;
    emit positionChanged(m_position);
}

void UpDown::step(int by)
{
    setPosition(m_position + by);
}

void UpDown::resizeEvent(QResizeEvent* event)
{
    const int half = event->size().height() / 2;
    m_up->setGeometry(0, 0, event->size().width(), half);
    m_down->setGeometry(0, half, event->size().width(), event->size().height() - half);
}

void UpDown::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Right:
        step(1);
        break;
    case Qt::Key_Down:
    case Qt::Key_Left:
        step(-1);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}
