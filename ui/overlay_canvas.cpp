#include "ui/overlay_canvas.h"

#include <QLineF>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace {

// Ends farther out than this are brought in before the exact clipping, whose
// products must stay within 64 bits. Only such far ends, which no track
// reaches, can move a line inside the picture, by half a pixel at most.
constexpr double FarLimit = 1 << 29;

QRgb PixelOf(std::uint32_t colour)
{
    if ((colour & 0xFFFFFF) == 0xFFFFFF)
        return 0;
    return qRgb(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

// Keeps the part of the line inside box; false if there is none.
bool CutToBox(QLineF& line, const QRectF& box)
{
    const double p[] = {-line.dx(), line.dx(), -line.dy(), line.dy()};
    const double q[] = {line.x1() - box.left(), box.right() - line.x1(), line.y1() - box.top(),
                        box.bottom() - line.y1()};
    double enter = 0.0;
    double leave = 1.0;
    for (int side = 0; side < 4; ++side) {
        if (p[side] == 0.0) {
            if (q[side] < 0.0)
                return false;
        } else if (p[side] < 0.0) {
            enter = std::max(enter, q[side] / p[side]);
        } else {
            leave = std::min(leave, q[side] / p[side]);
        }
    }
    if (enter > leave)
        return false;
    line = QLineF(line.pointAt(enter), line.pointAt(leave));
    return true;
}

// One coordinate of a line, counted so that it grows from the start to the
// end; a picture of this extent then always lies at 0 to extent - 1.
struct Axis {
    Axis(std::int64_t from, std::int64_t to, int extent)
        : forward(to >= from),
          extent(extent),
          start(forward ? from : extent - 1 - from),
          length(std::abs(to - from))
    {
    }

    std::int64_t ToPicture(std::int64_t along) const { return forward ? along : extent - 1 - along; }

    bool forward;
    std::int64_t extent;
    std::int64_t start;
    std::int64_t length;
};

// Calls plot(x, y) for the pixels of the line that lie in a picture of the
// given size. Step i along the longer axis sets the pixel
// k = floor((2·i·across + along) / (2·along)) across it, so the loop starts
// at the first step inside the picture with k and its remainder computed
// directly, and the pixels inside are those of the whole line.
template <typename Plot>
void RasteriseLine(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1, QSize size, Plot plot)
{
    const bool steep = std::abs(y1 - y0) > std::abs(x1 - x0);
    const Axis major = steep ? Axis(y0, y1, size.height()) : Axis(x0, x1, size.width());
    const Axis minor = steep ? Axis(x0, x1, size.width()) : Axis(y0, y1, size.height());
    const auto plotStep = [&](std::int64_t i, std::int64_t k) {
        const int u = static_cast<int>(major.ToPicture(major.start + i));
        const int v = static_cast<int>(minor.ToPicture(minor.start + k));
        if (steep)
            plot(v, u);
        else
            plot(u, v);
    };

    const std::int64_t along = major.length;
    const std::int64_t across = minor.length;
    std::int64_t first = std::max<std::int64_t>(0, -major.start);
    std::int64_t last = std::min(along, major.extent - 1 - major.start);
    const std::int64_t kFirst = std::max<std::int64_t>(0, -minor.start);
    const std::int64_t kLast = std::min(across, minor.extent - 1 - minor.start);
    if (first > last || kFirst > kLast)
        return;
    if (along == 0) {
        plotStep(0, 0);
        return;
    }
    if (kFirst > 0)
        first = std::max(first, (along * (2 * kFirst - 1) + 2 * across - 1) / (2 * across));
    if (across > 0)
        last = std::min(last, (along * (2 * kLast + 1) - 1) / (2 * across));

    std::int64_t k = (2 * first * across + along) / (2 * along);
    std::int64_t remainder = (2 * first * across + along) % (2 * along);
    for (std::int64_t i = first; i <= last; ++i) {
        plotStep(i, k);
        remainder += 2 * across;
        if (remainder >= 2 * along) {
            remainder -= 2 * along;
            ++k;
        }
    }
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
    QLineF line(from, to);
    if (!CutToBox(line, QRectF(-FarLimit, -FarLimit, 2 * FarLimit, 2 * FarLimit)))
        return;
    const QRgb pixel = PixelOf(m_penColour);
    uchar* const bits = m_image.bits();
    const qsizetype stride = m_image.bytesPerLine();
    bool drawn = false;
    QPoint firstPixel;
    QPoint lastPixel;
    RasteriseLine(std::llround(line.x1()), std::llround(line.y1()), std::llround(line.x2()),
                  std::llround(line.y2()), m_image.size(), [&](int x, int y) {
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
    QLineF line(from, to);
    if (!CutToBox(line, QRectF(reach)))
        return;
    const QPoint a = line.p1().toPoint();
    const QPoint b = line.p2().toPoint();
    QPainter painter(&m_image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.setPen(QPen(QColor::fromRgba(PixelOf(m_penColour)), m_penWidth, Qt::SolidLine, Qt::RoundCap,
                        Qt::RoundJoin));
    painter.drawLine(a, b);
    m_dirty |= Bounds(a, b).adjusted(-m_penWidth, -m_penWidth, m_penWidth, m_penWidth) & m_image.rect();
}
