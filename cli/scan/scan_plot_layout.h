#pragma once

#include "analysis/scan_point.h"

#include <QPointF>
#include <QRectF>
#include <QRgb>
#include <QSize>

#include <string>
#include <vector>

inline constexpr QSize ScanPlotSize{1000, 900};

// The part of the picture the spectra are drawn in; the title and the legend
// sit above it, the tick numbers and axis titles around it.
inline constexpr QRectF ScanPlotArea{90.0, 100.0, 880.0, 480.0};
// Below it, on the same energy axis, the pulls of the counts.
inline constexpr QRectF PullPlotArea{90.0, 630.0, 880.0, 190.0};

// The two estimates and the true line differ in hue as well as in shape.
inline constexpr QRgb MeasuredColour = qRgb(0, 84, 166);
inline constexpr QRgb UnfoldedColour = qRgb(0, 140, 60);
inline constexpr QRgb SourceColour = qRgb(214, 96, 0);
inline constexpr QRgb PullColour = qRgb(120, 40, 140);

// The contestant's estimate sits this many pixels left of its energy, the
// unfolded one as many right, so that neither hides the other's error bar.
inline constexpr double EstimateOffset = 4.0;

// A linear axis whose ends are whole multiples of its tick step, the step
// being 1, 2 or 5 times a power of ten.
struct PlotAxis {
    double lower = 0.0;
    double upper = 1.0;
    double step = 0.1;

    std::vector<double> Ticks() const;
    // Decimals that show every tick exactly and no more.
    int Decimals() const;
    // A tick's number as a Hungarian reader writes it, with a decimal comma.
    std::string TickText(double value) const;
};

// An axis from at most lowest to at least highest with about eight steps.
// Needs lowest < highest.
PlotAxis NiceAxis(double lowest, double highest);

struct ScanPlotLayout {
    PlotAxis energy;   // keV
    PlotAxis rate;     // particles per keV of source energy
    PlotAxis pull;     // standard deviations

    QPointF ToPixel(double energyKeV, double ratePerKeV) const;
    QPointF PullToPixel(double energyKeV, double pull) const;
};

// Axes that hold every rate and unfolded value with its error bar, the true
// line and every pull, with a little room so that no point sits on the frame;
// the pull axis is symmetric and reaches at least ±3.
ScanPlotLayout LayOutScanPlot(const std::vector<ScanPoint>& points);
