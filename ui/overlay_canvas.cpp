#include "ui/overlay_canvas.h"

#include "ui/layout/colours.h"
#include "ui/layout/track_line.h"
#include "ui/palette.h"

#include <QPainter>
#include <QPen>

#include <algorithm>
#include <utility>

namespace {

QRgb PixelOf(std::uint32_t colour)
{
    const std::optional<std::uint32_t> rgb = Colours::TrackColour(colour);
    return rgb ? Palette::Opaque(*rgb) : 0;
}

QRect Bounds(QPoint a, QPoint b)
{
    return QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                 QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
}

}

OverlayCanvas::OverlayCanvas(QSize size)
    : m_image(size, QImage::Format_ARGB32_Premultiplied)
{
    Clear();
}

void OverlayCanvas::LineTo(int x, int y)
{
    const QPoint to(x, y);
    if (m_penWidth > 1)
        DrawWideLine(m_penPosition, to);
    else
        DrawThinLine(m_penPosition, to);
    m_penPosition = to;
}

void OverlayCanvas::FillRect(const QRect& rect)
{
    if (!rect.isValid())
        return;
    const QRect area = rect & m_image.rect();
    const QRgb pixel = PixelOf(m_brushColour);
    for (int y = area.top(); y <= area.bottom(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(m_image.scanLine(y));
        std::fill(line + area.left(), line + area.right() + 1, pixel);
    }
    m_dirty |= area;
}

void OverlayCanvas::Clear()
{
    m_image.fill(0u);
    m_dirty = m_image.rect();
}

QRect OverlayCanvas::TakeDirtyRect()
{
    return std::exchange(m_dirty, QRect());
}

// Tracks are drawn a few pixels at a time, tens of thousands of pieces
// between two repaints, so thin lines go straight into the pixels.
void OverlayCanvas::DrawThinLine(QPoint from, QPoint to)
{
    const QRgb pixel = PixelOf(m_penColour);
    uchar* const bits = m_image.bits();
    const qsizetype stride = m_image.bytesPerLine();
    bool drawn = false;
    QPoint firstPixel;
    QPoint lastPixel;
    PlotTrackLine(from.x(), from.y(), to.x(), to.y(), m_image.width(), m_image.height(), [&](int x, int y) {
        reinterpret_cast<QRgb*>(bits + y * stride)[x] = pixel;
        if (!drawn)
            firstPixel = QPoint(x, y);
        drawn = true;
        lastPixel = QPoint(x, y);
    });
    if (drawn)
        m_dirty |= Bounds(firstPixel, lastPixel);
}

void OverlayCanvas::DrawWideLine(QPoint from, QPoint to)
{
    const QRect reach = m_image.rect().adjusted(-m_penWidth, -m_penWidth, m_penWidth, m_penWidth);
    double x0 = from.x();
    double y0 = from.y();
    double x1 = to.x();
    double y1 = to.y();
    if (!CutLineToBox(x0, y0, x1, y1, reach.left(), reach.top(), reach.x() + reach.width(), reach.y() + reach.height()))
        return;
    const QPoint a = QPointF(x0, y0).toPoint();
    const QPoint b = QPointF(x1, y1).toPoint();
    QPainter painter(&m_image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.setPen(QPen(QColor::fromRgba(PixelOf(m_penColour)), m_penWidth, Qt::SolidLine, Qt::RoundCap,
                        Qt::RoundJoin));
    painter.drawLine(a, b);
    m_dirty |= Bounds(a, b).adjusted(-m_penWidth, -m_penWidth, m_penWidth, m_penWidth) & m_image.rect();
}
