#include "cli/scan_plot.h"

#include "cli/offscreen_gui.h"
#include "cli/scan_plot_layout.h"

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

QString TickText(double value, const PlotAxis& axis)
{
    return QString::number(value, 'f', axis.Decimals());
}

void DrawAxes(QPainter& painter, const ScanPlotLayout& layout)
{
    const QRectF& area = ScanPlotArea;
    painter.save();
    // One-pixel lines on whole pixels stay sharp only without antialiasing.
    painter.setRenderHint(QPainter::Antialiasing, false);
    SetPixelFont(painter, 13);
    for (const double energy : layout.energy.Ticks()) {
        const double x = layout.ToPixel(energy, layout.rate.lower).x();
        painter.setPen(QPen(QColor(GridColour), 1));
        painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
        painter.setPen(QPen(QColor(FrameColour), 1));
        painter.drawLine(QPointF(x, area.bottom()), QPointF(x, area.bottom() + TickLength));
        painter.drawText(QRectF(x - 40, area.bottom() + TickLength + 2, 80, 18), Qt::AlignHCenter | Qt::AlignTop,
                         TickText(energy, layout.energy));
    }
    for (const double rate : layout.rate.Ticks()) {
        const double y = layout.ToPixel(layout.energy.lower, rate).y();
        painter.setPen(QPen(QColor(GridColour), 1));
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        painter.setPen(QPen(QColor(FrameColour), 1));
        painter.drawLine(QPointF(area.left() - TickLength, y), QPointF(area.left(), y));
        painter.drawText(QRectF(0, y - 9, area.left() - TickLength - 4, 18), Qt::AlignRight | Qt::AlignVCenter,
                         TickText(rate, layout.rate));
    }
    painter.setPen(QPen(QColor(FrameColour), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area);
    painter.restore();
}

void DrawAxisTitles(QPainter& painter)
{
    const QRectF& area = ScanPlotArea;
    painter.setPen(QColor(FrameColour));
    SetPixelFont(painter, 15);
    painter.drawText(QRectF(area.left(), area.bottom() + 30, area.width(), 24), Qt::AlignCenter, "Energia (keV)");
    painter.save();
    painter.translate(18, area.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-area.height() / 2, -12, area.height(), 24), Qt::AlignCenter, "Beütés / keV");
    painter.restore();
}

void DrawMeasuredMarker(QPainter& painter, QPointF centre, QPointF top, QPointF bottom)
{
    painter.setPen(QPen(QColor(MeasuredColour), 1.5));
    painter.drawLine(top, bottom);
    painter.drawLine(top - QPointF(ErrorCapHalfWidth, 0), top + QPointF(ErrorCapHalfWidth, 0));
    painter.drawLine(bottom - QPointF(ErrorCapHalfWidth, 0), bottom + QPointF(ErrorCapHalfWidth, 0));
    painter.setBrush(QColor(MeasuredColour));
    painter.drawEllipse(centre, MarkerRadius, MarkerRadius);
}

QPen SourcePen()
{
    return QPen(QColor(SourceColour), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// The title, and under it the legend, both centred above the plot area so
// that neither can hide a point.
void DrawTitleAndLegend(QPainter& painter)
{
    const QString measured = "mért (beütés/keV)";
    const QString source = "forrás, illesztve";
    SetPixelFont(painter, 19, true);
    painter.setPen(QColor(FrameColour));
    painter.drawText(QRectF(0, 8, ScanPlotSize.width(), 28), Qt::AlignCenter, "Mért spektrum és a forrás spektruma");

    SetPixelFont(painter, 14);
    constexpr double SampleWidth = 30;
    constexpr double Gap = 8;
    constexpr double EntryGap = 40;
    const QFontMetricsF metrics(painter.font());
    const double width = 2 * (SampleWidth + Gap) + metrics.horizontalAdvance(measured) + EntryGap
        + metrics.horizontalAdvance(source);
    const double y = 54;
    double x = (ScanPlotSize.width() - width) / 2;

    const QPointF centre(x + SampleWidth / 2, y);
    DrawMeasuredMarker(painter, centre, centre - QPointF(0, 8), centre + QPointF(0, 8));
    x += SampleWidth + Gap;
    painter.setPen(QColor(FrameColour));
    painter.drawText(QPointF(x, y + metrics.ascent() / 2 - 1), measured);
    x += metrics.horizontalAdvance(measured) + EntryGap;

    painter.setPen(SourcePen());
    painter.drawLine(QPointF(x, y), QPointF(x + SampleWidth, y));
    x += SampleWidth + Gap;
    painter.setPen(QColor(FrameColour));
    painter.drawText(QPointF(x, y + metrics.ascent() / 2 - 1), source);
}

void DrawSource(QPainter& painter, const ScanPlotLayout& layout, const std::vector<ScanPoint>& points)
{
    QPolygonF line;
    for (const ScanPoint& point : points)
        line << layout.ToPixel(point.energyKeV, point.sourceScaled);
    std::sort(line.begin(), line.end(), [](const QPointF& a, const QPointF& b) { return a.x() < b.x(); });
    painter.setPen(SourcePen());
    painter.drawPolyline(line);
}

void DrawMeasured(QPainter& painter, const ScanPlotLayout& layout, const std::vector<ScanPoint>& points)
{
    for (const ScanPoint& point : points) {
        if (!point.ratePerKeV)
            continue;
        const double rate = *point.ratePerKeV;
        const double error = point.rateErrorPerKeV.value_or(0.0);
        DrawMeasuredMarker(painter, layout.ToPixel(point.energyKeV, rate),
                           layout.ToPixel(point.energyKeV, rate + error),
                           layout.ToPixel(point.energyKeV, rate - error));
    }
}

}

std::optional<std::string> WriteScanPlot(const std::vector<ScanPoint>& points, const std::string& path)
{
    EnsureGuiApplication();
    const ScanPlotLayout layout = LayOutScanPlot(points);
    QImage image(ScanPlotSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        DrawTitleAndLegend(painter);
        DrawAxes(painter, layout);
        DrawAxisTitles(painter);
        painter.setClipRect(ScanPlotArea);
        // The measured points come last so that the line never hides them.
        DrawSource(painter, layout, points);
        DrawMeasured(painter, layout, points);
    }
    if (!image.save(QString::fromStdString(path), "PNG"))
        return "vantor-cli: a rajz nem írható: " + path;
    return std::nullopt;
}
