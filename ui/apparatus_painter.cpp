#include "ui/apparatus_painter.h"

#include "core/anchors.h"
#include "ui/palette.h"

#include <QFont>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <initializer_list>
#include <vector>

namespace {

constexpr int PlateWidth = 15;
constexpr int LeadLength = 40;
constexpr int DetectorHeight = 54;

// The funnel is closed at the top, so a fill from here colours only its
// inside and the tube below it.
constexpr QPoint FunnelSeed{204, 112};

const AnchorPoint& A(int index)
{
    return ApparatusAnchors[index];
}

// A corner of the left half, and its mirror image on the right.
QPoint Left(int index)
{
    return {A(0).x + A(index).x, A(0).y + A(index).y};
}

QPoint Right(int index)
{
    return {A(0).x - A(index).x, A(0).y + A(index).y};
}

QRect Span(int left, int top, int right, int bottom)
{
    return QRect(left, top, right - left, bottom - top);
}

void DrawWall(QPainter& painter, std::initializer_list<QPoint> corners)
{
    painter.drawPolyline(corners.begin(), static_cast<int>(corners.size()));
}

// A sign on its own white background, with a line that leads from it to its
// plate.
void DrawSign(QPainter& painter, const QString& sign, QPoint topLeft, QPoint plateEdge, int leadDirection)
{
    painter.drawText(topLeft + QPoint(0, painter.fontMetrics().ascent()), sign);
    painter.drawLine(plateEdge, plateEdge + QPoint(leadDirection * LeadLength, 0));
}

// Colours the white area around seed that white pixels connect through their
// edges; any other colour bounds it.
void FloodFillWhite(QImage& image, QPoint seed, QRgb colour)
{
    const QRgb white = qRgb(255, 255, 255);
    const auto row = [&image](int y) { return reinterpret_cast<QRgb*>(image.scanLine(y)); };
    std::vector<QPoint> pending{seed};
    while (!pending.empty()) {
        const QPoint p = pending.back();
        pending.pop_back();
        QRgb* line = row(p.y());
        if (line[p.x()] != white)
            continue;
        int left = p.x();
        while (left > 0 && line[left - 1] == white)
            --left;
        int right = p.x();
        while (right < image.width() - 1 && line[right + 1] == white)
            ++right;
        std::fill(line + left, line + right + 1, colour);
        for (const int y : {p.y() - 1, p.y() + 1}) {
            if (y < 0 || y >= image.height())
                continue;
            const QRgb* next = row(y);
            for (int x = left; x <= right; ++x) {
                if (next[x] == white && (x == left || next[x - 1] != white))
                    pending.push_back({x, y});
            }
        }
    }
}

}

void PaintApparatus(QImage& picture)
{
    if (picture.size() != ApparatusPictureSize || picture.format() != QImage::Format_RGB32)
        picture = QImage(ApparatusPictureSize, QImage::Format_RGB32);
    picture.fill(Qt::white);

    const int plateTop = Left(3).y() + 2;
    const int plateBottom = Left(4).y();
    const int middle = RoundHalfEven((plateTop + plateBottom) / 2.0);
    const int leftPlate = Left(3).x();
    const int rightPlate = Right(3).x();

    QPainter painter(&picture);
    painter.setPen(QPen(Qt::black, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QFont signFont = painter.font();
    // 36 points on the 96 dpi screen the picture was laid out for.
    signFont.setPixelSize(48);
    painter.setFont(signFont);
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(Qt::white);

    // Where shapes overlap the later one wins: the plates cover the bottom of
    // the wall above them, the lower walls cover the plates' last rows, and
    // the field region and then the funnel's colour come last.
    DrawWall(painter, {Left(1), Left(2), {Left(2).x(), Left(3).y()}, Left(3), {A(0).x - 4, Left(3).y()}});
    painter.fillRect(Span(leftPlate, plateTop, leftPlate + PlateWidth, plateBottom), QColor(Palette::Blue));
    DrawSign(painter, "_", {leftPlate - 45, middle - 65}, {leftPlate, middle}, -1);
    DrawWall(painter, {Left(4), Left(5), {Left(5).x(), Left(6).y()}, Left(6), Left(7), Right(7)});

    DrawWall(painter,
             {Left(1), Right(1), Right(2), {Right(2).x(), Right(3).y()}, Right(3), {A(0).x + 3, Right(3).y()}});
    painter.fillRect(Span(rightPlate - PlateWidth, plateTop, rightPlate, plateBottom), QColor(Palette::Blue));
    DrawSign(painter, "+", {rightPlate + 15, middle - 42}, {rightPlate, middle}, 1);
    DrawWall(painter, {Right(4), Right(5), {Right(5).x(), Right(6).y()}, Right(6), Right(7)});

    painter.fillRect(Span(leftPlate + PlateWidth, plateTop, rightPlate - PlateWidth, plateBottom - 2),
                     QColor(Palette::Silver));
    painter.end();

    FloodFillWhite(picture, FunnelSeed, Palette::Teal);
}

ApparatusPlacement PlaceApparatusShapes(int rightJawWidth)
{
    const QPoint origin = ApparatusPictureOrigin;
    const int jawTop = Left(5).y() + origin.y() - 2;
    const int detectorTop = Left(6).y() + origin.y() + 1;
    const int slitRightEdge = Right(5).x() + origin.x();
    const int tubeRight = Right(2).x() + origin.x();
    return {
        {Left(2).x() + origin.x(), jawTop},
        {slitRightEdge - rightJawWidth, jawTop},
        QRect(Left(7).x() + origin.x() + 3, detectorTop, -2 * A(7).x - 5, DetectorHeight),
        slitRightEdge,
        {tubeRight + 40, jawTop - 5},
        {tubeRight + 25, detectorTop + 20},
    };
}
