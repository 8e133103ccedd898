#pragma once

#include "cli/scan_point.h"

#include <QPointF>
#include <QRectF>
#include <QRgb>
#include <QSize>

#include <vector>

inline constexpr QSize ScanPlotSize{1000, 650};

// The part of the picture the data is drawn in; the title and the legend sit
// above it, the tick numbers and axis titles around it.
inline constexpr QRectF ScanPlotArea{90.0, 80.0, 880.0, 500.0};

// The measured points stand out against the source line in hue as well as
// in shape.
inline constexpr QRgb MeasuredColour = qRgb(0, 84, 166);
inline constexpr QRgb SourceColour = qRgb(214, 96, 0);

// A linear axis whose ends are whole multiples of its tick step, the step
// being 1, 2 or 5 times a power of ten.
struct PlotAxis {
    double lower = 0.0;
    double upper = 1.0;
    double step = 0.1;

    std::vector<double> Ticks() const;
    // Decimals that show every tick exactly and no more.
    int Decimals() const;
};

// An axis from at most lowest to at least highest with about eight steps.
// Needs lowest < highest.
PlotAxis NiceAxis(double lowest, double highest);

struct ScanPlotLayout {
    PlotAxis energy;   // keV
    PlotAxis rate;     // detected particles per keV

    QPointF ToPixel(double energyKeV, double ratePerKeV) const;
};

// Axes that hold every measured rate with its error bar and the scaled source,
// with a little room so that no point sits on the frame.
ScanPlotLayout LayOutScanPlot(const std::vector<ScanPoint>& points);
