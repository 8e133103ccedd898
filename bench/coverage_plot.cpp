#include "bench/coverage_plot.h"

#include "base/reader_text.h"
#include "bench/coverage_limits.h"
#include "cli/scan/offscreen_gui.h"
#include "cli/scan/scan_plot_layout.h"

#include <QBuffer>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QPolygonF>

#include <algorithm>

namespace {

constexpr QSize PlotSize{900, 584};
constexpr QRectF Area{90.0, 70.0, 780.0, 400.0};
constexpr QRgb CoverageColour = qRgb(0, 140, 60);

void SetPixelFont(QPainter& painter, int pixelSize)
{
    QFont font = painter.font();
    font.setPixelSize(pixelSize);
    painter.setFont(font);
}

QString Percent(double share, int decimals)
{
    return QString::fromStdString(ReaderFixedText(100 * share, decimals));
}

}

QByteArray CoveragePlotPng(const CoverageTally& tally, const std::string& title)
{
    const OffscreenGui gui;
    const double firstEnergy = tally.energiesKeV.empty() ? 0.0 : tally.energiesKeV.front();
    const double lastEnergy = tally.energiesKeV.empty() ? 1.0 : tally.energiesKeV.back();
    const PlotAxis energy = NiceAxis(firstEnergy - 0.03 * (lastEnergy - firstEnergy + 1.0),
                                     lastEnergy + 0.03 * (lastEnergy - firstEnergy + 1.0));
    const double rare = RareShare(tally.runs);
    const PlotAxis share = NiceAxis(std::min({0.8, tally.SmallestShare() - 0.02, rare - 0.02}), 1.0);
    auto toPixel = [&](double e, double s) {
        return QPointF(Area.left() + (e - energy.lower) / (energy.upper - energy.lower) * Area.width(),
                       Area.bottom() - (s - share.lower) / (share.upper - share.lower) * Area.height());
    };

    QImage image(PlotSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        SetPixelFont(painter, 13);
        painter.setPen(QPen(Qt::black, 1));
        for (const double e : energy.Ticks()) {
            const QPointF at = toPixel(e, share.lower);
            painter.drawLine(at, at + QPointF(0, 5));
            painter.drawText(QRectF(at.x() - 40, at.y() + 7, 80, 18), Qt::AlignHCenter | Qt::AlignTop,
                             QString::fromStdString(energy.TickText(e)));
        }
        for (const double s : share.Ticks()) {
            const QPointF at = toPixel(energy.lower, s);
            painter.drawLine(at, at - QPointF(5, 0));
            painter.drawText(QRectF(0, at.y() - 9, Area.left() - 9, 18), Qt::AlignRight | Qt::AlignVCenter,
                             Percent(s, 0) + "%");
        }
        painter.drawRect(Area);
        painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
        painter.drawLine(toPixel(energy.lower, 0.95), toPixel(energy.upper, 0.95));
        painter.setPen(QPen(Qt::red, 1, Qt::DotLine));
        painter.drawLine(toPixel(energy.lower, rare), toPixel(energy.upper, rare));

        QPolygonF line;
        for (std::size_t i = 0; i < tally.energiesKeV.size(); ++i)
            line << toPixel(tally.energiesKeV[i], tally.Share(i));
        painter.setPen(QPen(QColor(CoverageColour), 2));
        painter.drawPolyline(line);
        painter.setBrush(QColor(CoverageColour));
        for (const QPointF& point : line)
            painter.drawEllipse(point, 3.5, 3.5);

        painter.setPen(Qt::black);
        SetPixelFont(painter, 17);
        painter.drawText(QRectF(0, 10, PlotSize.width(), 26), Qt::AlignCenter, QString::fromStdString(title));
        SetPixelFont(painter, 14);
        painter.drawText(QRectF(Area.left(), Area.bottom() + 30, Area.width(), 22), Qt::AlignCenter,
                         "Energia (keV)");
        painter.drawText(QRectF(0, Area.bottom() + 56, PlotSize.width(), 22), Qt::AlignCenter,
                         QString("Energiánként: a futások hány százalékában tartalmazta a 95%-os intervallum a "
                                 "valódi N·s(W) értéket (%1 futás)").arg(tally.runs));
        if (LeastCoverageOfAFullShare(tally.runs) < NominalCoverage) {
            painter.setPen(QPen(Qt::red));
            painter.drawText(QRectF(0, Area.bottom() + 80, PlotSize.width(), 22), Qt::AlignCenter,
                             QString("%1 futás kevés a névleges 95% kimutatásához: ha egy energián mind tartalmazza "
                                     "is, a valódi lefedés akár %2% is lehet")
                                 .arg(tally.runs)
                                 .arg(Percent(LeastCoverageOfAFullShare(tally.runs), 0)));
        } else {
            painter.drawText(QRectF(0, Area.bottom() + 80, PlotSize.width(), 22), Qt::AlignCenter,
                             QString("Valódi 95%-os lefedésnél egy energián a mért lefedés szórása ±%1%")
                                 .arg(Percent(ShareDeviation(tally.runs), 1)));
        }
        painter.setPen(Qt::black);
        painter.drawText(QRectF(Area.left() + 6, toPixel(energy.lower, 0.95).y() + 2, 200, 18), Qt::AlignLeft,
                         "névleges 95%");
        painter.setPen(QPen(Qt::red));
        painter.drawText(QRectF(Area.left() + 6, toPixel(energy.lower, rare).y() + 2, 700, 18), Qt::AlignLeft,
                         QString("%1%: valódi 95%-os lefedésnél a mért lefedés %2 futásból csak %3% eséllyel esik "
                                 "ez alá")
                             .arg(Percent(rare, 0))
                             .arg(tally.runs)
                             .arg(Percent(ChanceBelowRareShare(tally.runs), 2)));
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}
