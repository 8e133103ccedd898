#include "cli/scan/scan_plot.h"

#include "cli/scan/scan_plot_layout.h"

#include <QBuffer>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QPolygonF>

#include <algorithm>

namespace {

// The grid stays behind the data; the frame, ticks and text are black.
constexpr QRgb GridColour = qRgb(226, 226, 226);
constexpr QRgb FrameColour = qRgb(0, 0, 0);

constexpr int TickLength = 5;
constexpr double ErrorCapHalfWidth = 4.0;
constexpr double MarkerRadius = 3.5;

void SetPixelFont(QPainter& painter, int pixelSize, bool bold = false)
{
    QFont font = painter.font();
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    painter.setFont(font);
}

// The grid, frame, ticks and tick numbers of one panel; the energy numbers
// only under the lowest panel.
void DrawPanel(QPainter& painter, const QRectF& area, const PlotAxis& energy, const PlotAxis& vertical,
               bool energyNumbers)
{
    painter.save();
    // One-pixel lines on whole pixels stay sharp only without antialiasing.
    painter.setRenderHint(QPainter::Antialiasing, false);
    SetPixelFont(painter, 13);
    auto toX = [&](double e) { return area.left() + (e - energy.lower) / (energy.upper - energy.lower) * area.width(); };
    auto toY = [&](double v) {
        return area.bottom() - (v - vertical.lower) / (vertical.upper - vertical.lower) * area.height();
    };
    for (const double e : energy.Ticks()) {
        const double x = toX(e);
        painter.setPen(QPen(QColor(GridColour), 1));
        painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
        painter.setPen(QPen(QColor(FrameColour), 1));
        painter.drawLine(QPointF(x, area.bottom()), QPointF(x, area.bottom() + TickLength));
        if (energyNumbers)
            painter.drawText(QRectF(x - 40, area.bottom() + TickLength + 2, 80, 18), Qt::AlignHCenter | Qt::AlignTop,
                             QString::fromStdString(energy.TickText(e)));
    }
    for (const double v : vertical.Ticks()) {
        const double y = toY(v);
        painter.setPen(QPen(QColor(GridColour), 1));
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        painter.setPen(QPen(QColor(FrameColour), 1));
        painter.drawLine(QPointF(area.left() - TickLength, y), QPointF(area.left(), y));
        painter.drawText(QRectF(0, y - 9, area.left() - TickLength - 4, 18), Qt::AlignRight | Qt::AlignVCenter,
                         QString::fromStdString(vertical.TickText(v)));
    }
    painter.setPen(QPen(QColor(FrameColour), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area);
    painter.restore();
}

void DrawVerticalTitle(QPainter& painter, const QRectF& area, const QString& title)
{
    painter.save();
    painter.translate(18, area.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-area.height() / 2, -12, area.height(), 24), Qt::AlignCenter, title);
    painter.restore();
}

void DrawAxisTitles(QPainter& painter)
{
    painter.setPen(QColor(FrameColour));
    SetPixelFont(painter, 15);
    const QRectF& bottom = PullPlotArea;
    painter.drawText(QRectF(bottom.left(), bottom.bottom() + 30, bottom.width(), 24), Qt::AlignCenter,
                     "Energia (keV)");
    DrawVerticalTitle(painter, ScanPlotArea, "Kibocsátott részecske / keV");
    DrawVerticalTitle(painter, PullPlotArea, "(mért − várható) / σ");
}

void DrawErrorBar(QPainter& painter, QColor colour, QPointF top, QPointF bottom)
{
    // Two pixels wide, so that antialiasing leaves every bar a pixel of its own colour.
    painter.setPen(QPen(colour, 2.0));
    painter.drawLine(top, bottom);
    painter.drawLine(top - QPointF(ErrorCapHalfWidth, 0), top + QPointF(ErrorCapHalfWidth, 0));
    painter.drawLine(bottom - QPointF(ErrorCapHalfWidth, 0), bottom + QPointF(ErrorCapHalfWidth, 0));
}

void DrawMeasuredMarker(QPainter& painter, QPointF centre, QPointF top, QPointF bottom)
{
    DrawErrorBar(painter, QColor(MeasuredColour), top, bottom);
    painter.setBrush(QColor(MeasuredColour));
    painter.drawEllipse(centre, MarkerRadius, MarkerRadius);
}

void DrawUnfoldedMarker(QPainter& painter, QPointF centre, QPointF top, QPointF bottom)
{
    DrawErrorBar(painter, QColor(UnfoldedColour), top, bottom);
    painter.setPen(QPen(QColor(UnfoldedColour), 1.5));
    painter.setBrush(QColor(UnfoldedColour));
    painter.drawRect(QRectF(centre - QPointF(MarkerRadius, MarkerRadius), centre + QPointF(MarkerRadius, MarkerRadius)));
}

QPen SourcePen()
{
    return QPen(QColor(SourceColour), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// The title, and under it the legend, both centred above the plot area so
// that neither can hide a point.
void DrawTitleAndLegend(QPainter& painter, bool unfolded)
{
    SetPixelFont(painter, 19, true);
    painter.setPen(QColor(FrameColour));
    painter.drawText(QRectF(0, 8, ScanPlotSize.width(), 28), Qt::AlignCenter, "A forrás spektruma a mérésből");

    const QString measured = "beütésszám / energiaablak szélessége";
    const QString recovered = "visszafejtett, 95%-os intervallummal";
    const QString source = "valódi N·s(W)";
    SetPixelFont(painter, 14);
    constexpr double SampleWidth = 30;
    constexpr double Gap = 8;
    constexpr double EntryGap = 40;
    const QFontMetricsF metrics(painter.font());
    const int entries = unfolded ? 3 : 2;
    double width = entries * (SampleWidth + Gap) + (entries - 1) * EntryGap + metrics.horizontalAdvance(measured)
        + metrics.horizontalAdvance(source) + (unfolded ? metrics.horizontalAdvance(recovered) : 0.0);
    const double y = 58;
    double x = (ScanPlotSize.width() - width) / 2;
    auto label = [&](const QString& text) {
        x += SampleWidth + Gap;
        painter.setPen(QColor(FrameColour));
        painter.drawText(QPointF(x, y + metrics.ascent() / 2 - 1), text);
        x += metrics.horizontalAdvance(text) + EntryGap;
    };

    QPointF centre(x + SampleWidth / 2, y);
    DrawMeasuredMarker(painter, centre, centre - QPointF(0, 8), centre + QPointF(0, 8));
    label(measured);
    if (unfolded) {
        centre = QPointF(x + SampleWidth / 2, y);
        DrawUnfoldedMarker(painter, centre, centre - QPointF(0, 8), centre + QPointF(0, 8));
        label(recovered);
    }
    painter.setPen(SourcePen());
    painter.drawLine(QPointF(x, y), QPointF(x + SampleWidth, y));
    label(source);
}

void DrawSource(QPainter& painter, const ScanPlotLayout& layout, const std::vector<ScanPoint>& points)
{
    QPolygonF line;
    for (const ScanPoint& point : points)
        line << layout.ToPixel(point.energyKeV, point.truePerKeV);
    std::sort(line.begin(), line.end(), [](const QPointF& a, const QPointF& b) { return a.x() < b.x(); });
    painter.setPen(SourcePen());
    painter.drawPolyline(line);
}

void DrawMeasured(QPainter& painter, const ScanPlotLayout& layout, const std::vector<ScanPoint>& points)
{
    const QPointF shift(-EstimateOffset, 0);
    for (const ScanPoint& point : points) {
        if (!point.ratePerKeV)
            continue;
        const double rate = *point.ratePerKeV;
        const double error = point.rateErrorPerKeV.value_or(0.0);
        DrawMeasuredMarker(painter, layout.ToPixel(point.energyKeV, rate) + shift,
                           layout.ToPixel(point.energyKeV, rate + error) + shift,
                           layout.ToPixel(point.energyKeV, rate - error) + shift);
    }
}

void DrawUnfolded(QPainter& painter, const ScanPlotLayout& layout, const std::vector<ScanPoint>& points)
{
    const QPointF shift(EstimateOffset, 0);
    for (const ScanPoint& point : points) {
        if (!point.unfoldedPerKeV)
            continue;
        const double value = *point.unfoldedPerKeV;
        DrawUnfoldedMarker(painter, layout.ToPixel(point.energyKeV, value) + shift,
                           layout.ToPixel(point.energyKeV, point.unfoldedUpperPerKeV.value_or(value)) + shift,
                           layout.ToPixel(point.energyKeV, point.unfoldedLowerPerKeV.value_or(value)) + shift);
    }
}

// Zero, and dashed the ±2 a standard normal sample stays within about 95 % of the time.
void DrawPulls(QPainter& painter, const ScanPlotLayout& layout, const std::vector<ScanPoint>& points)
{
    const double left = layout.energy.lower;
    const double right = layout.energy.upper;
    painter.setPen(QPen(QColor(FrameColour), 1));
    painter.drawLine(layout.PullToPixel(left, 0.0), layout.PullToPixel(right, 0.0));
    painter.setPen(QPen(QColor(FrameColour), 1, Qt::DashLine));
    for (const double level : {-2.0, 2.0})
        painter.drawLine(layout.PullToPixel(left, level), layout.PullToPixel(right, level));
    painter.setPen(QPen(QColor(PullColour), 1.5));
    painter.setBrush(QColor(PullColour));
    for (const ScanPoint& point : points) {
        if (point.pull)
            painter.drawEllipse(layout.PullToPixel(point.energyKeV, *point.pull), MarkerRadius, MarkerRadius);
    }
}

bool AnyUnfolded(const std::vector<ScanPoint>& points)
{
    return std::any_of(points.begin(), points.end(), [](const ScanPoint& p) { return p.unfoldedPerKeV.has_value(); });
}

}

QByteArray ScanPlotPng(const std::vector<ScanPoint>& points)
{
    const ScanPlotLayout layout = LayOutScanPlot(points);
    QImage image(ScanPlotSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        DrawTitleAndLegend(painter, AnyUnfolded(points));
        DrawPanel(painter, ScanPlotArea, layout.energy, layout.rate, false);
        DrawPanel(painter, PullPlotArea, layout.energy, layout.pull, true);
        DrawAxisTitles(painter);
        painter.save();
        painter.setClipRect(ScanPlotArea);
        // The estimates come last so that the line never hides them.
        DrawSource(painter, layout, points);
        DrawMeasured(painter, layout, points);
        DrawUnfolded(painter, layout, points);
        painter.restore();
        painter.setClipRect(PullPlotArea);
        DrawPulls(painter, layout, points);
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}
