#include "ui/picture_widgets.h"

#include "ui/apparatus_painter.h"
#include "ui/overlay_canvas.h"

#include <QPaintEvent>
#include <QPainter>

ApparatusImage::ApparatusImage(QWidget* parent)
    : QWidget(parent),
      m_picture(ApparatusPictureSize, QImage::Format_RGB32)
{
    m_picture.fill(Qt::white);
    setFixedSize(ApparatusVisibleSize);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ApparatusImage::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.drawImage(event->rect().topLeft(), m_picture, event->rect());
}

OverlayImage::OverlayImage(OverlayCanvas& canvas, QWidget* parent)
    : QWidget(parent),
      m_canvas(canvas)
{
    setFixedSize(canvas.Image().size());
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void OverlayImage::RepaintDirty()
{
    const QRect dirty = m_canvas.TakeDirtyRect();
    if (!dirty.isEmpty())
        update(dirty);
}

void OverlayImage::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.drawImage(event->rect().topLeft(), m_canvas.Image(), event->rect());
}
