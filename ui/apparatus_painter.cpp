#include "ui/apparatus_painter.h"

#include "ui/palette.h"

#include <QFont>
#include <QPainter>
#include <QPen>

#include <vector>

namespace {

QPoint ToQt(PicturePoint point)
{
    return {point.x, point.y};
}

QRect ToQt(const ControlRect& rect)
{
    return {rect.x, rect.y, rect.width, rect.height};
}

void DrawWall(QPainter& painter, const std::vector<PicturePoint>& corners)
{
    std::vector<QPoint> points;
    for (const PicturePoint& corner : corners)
        points.push_back(ToQt(corner));
    painter.drawPolyline(points.data(), static_cast<int>(points.size()));
}

}

void PaintApparatus(QImage& picture)
{
    if (picture.size() != ApparatusPictureSize || picture.format() != QImage::Format_RGB32)
        picture = QImage(ApparatusPictureSize, QImage::Format_RGB32);
    picture.fill(Qt::white);

    QPainter painter(&picture);
    painter.setPen(QPen(Qt::black, WallPenWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QFont signFont = painter.font();
    signFont.setPixelSize(SignPixelSize);
    painter.setFont(signFont);
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(Qt::white);

    for (const DrawingStep& step : ApparatusDrawing()) {
        switch (step.kind) {
        case DrawingStep::Kind::Wall:
            DrawWall(painter, step.points);
            break;
        case DrawingStep::Kind::Fill:
            painter.fillRect(ToQt(step.rect), QColor(Palette::Opaque(step.colour)));
            break;
        case DrawingStep::Kind::Sign:
            painter.drawText(ToQt(step.points[0]) + QPoint(0, painter.fontMetrics().ascent()),
                             QString::fromUtf8(step.text.data(), static_cast<qsizetype>(step.text.size())));
            painter.drawLine(ToQt(step.points[1]), ToQt(step.points[2]));
            break;
        }
    }
    painter.end();

    FloodFillWhite(reinterpret_cast<std::uint32_t*>(picture.bits()), picture.width(), picture.height(),
                   static_cast<int>(picture.bytesPerLine() / 4), FunnelSeed, qRgb(255, 255, 255), Palette::Teal);
}

ApparatusWidgetPlaces PlaceApparatusWidgets(int rightJawWidth)
{
    const ApparatusPlacement place = PlaceApparatusShapes(rightJawWidth);
    return {ToQt(place.shape6),      ToQt(place.shape7),      ToQt(place.shape8), place.slitRightEdge,
            ToQt(place.staticText4), ToQt(place.staticText5)};
}
