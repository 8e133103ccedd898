#include "cli/scan/scan_plot_layout.h"

#include "base/reader_text.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr int TicksPerAxis = 8;

// Keeps ticks that are whole steps in exact arithmetic from gaining one more
// step through the rounding of the division.
constexpr double StepTolerance = 1e-9;

// With nothing measured the picture still shows the axes of a beta spectrum.
constexpr double EmptyEnergyKeV = 100.0;
constexpr double EmptyRate = 1.0;
constexpr double LeastPullReach = 3.0;

PlotAxis EnergyAxis(const std::vector<ScanPoint>& points)
{
    if (points.empty())
        return NiceAxis(0.0, EmptyEnergyKeV);
    const auto [lowest, highest] = std::minmax_element(points.begin(), points.end(),
        [](const ScanPoint& a, const ScanPoint& b) { return a.energyKeV < b.energyKeV; });
    const double span = highest->energyKeV - lowest->energyKeV;
    const double margin = span > 0.0 ? 0.03 * span : std::max(0.1 * std::abs(lowest->energyKeV), 1.0);
    double lower = lowest->energyKeV - margin;
    // Energies are never negative; the axis need not go below zero for room.
    if (lowest->energyKeV >= 0.0)
        lower = std::max(lower, 0.0);
    return NiceAxis(lower, highest->energyKeV + margin);
}

// Starts at zero: an error bar that reaches below it is cut at the frame
// rather than giving the axis a range no count can have.
PlotAxis RateAxis(const std::vector<ScanPoint>& points)
{
    double lowest = 0.0;
    double highest = -std::numeric_limits<double>::infinity();
    for (const ScanPoint& point : points) {
        highest = std::max(highest, point.truePerKeV);
        lowest = std::min(lowest, point.truePerKeV);
        if (point.ratePerKeV) {
            highest = std::max(highest, *point.ratePerKeV + point.rateErrorPerKeV.value_or(0.0));
            lowest = std::min(lowest, *point.ratePerKeV);
        }
        if (point.unfoldedPerKeV) {
            highest = std::max(highest, point.unfoldedUpperPerKeV.value_or(*point.unfoldedPerKeV));
            lowest = std::min(lowest, *point.unfoldedPerKeV);
        }
    }
    if (!(highest > lowest))
        return NiceAxis(lowest, lowest + EmptyRate);
    return NiceAxis(lowest, highest + 0.05 * (highest - lowest));
}

PlotAxis PullAxis(const std::vector<ScanPoint>& points)
{
    double reach = LeastPullReach;
    for (const ScanPoint& point : points) {
        if (point.pull)
            reach = std::max(reach, 1.1 * std::abs(*point.pull));
    }
    return NiceAxis(-reach, reach);
}

}

std::vector<double> PlotAxis::Ticks() const
{
    const long count = std::lround((upper - lower) / step);
    std::vector<double> ticks;
    for (long i = 0; i <= count; ++i)
        ticks.push_back(lower + i * step);
    return ticks;
}

int PlotAxis::Decimals() const
{
    return std::max(0, static_cast<int>(-std::floor(std::log10(step) + StepTolerance)));
}

std::string PlotAxis::TickText(double value) const
{
    const std::string text = ReaderFixedText(value, Decimals());
    if (!text.starts_with('-'))
        return text;
    // A sum's rounding may leave a tick at zero a hair below it; a zero has no sign.
    if (text.find_first_not_of("-0,") == std::string::npos)
        return text.substr(1);
    return "−" + text.substr(1);   // the minus sign, as the pull axis's title writes it
}

PlotAxis NiceAxis(double lowest, double highest)
{
    const double rough = (highest - lowest) / TicksPerAxis;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    const double fraction = rough / power;
    // The nearest of 1, 2, 5 and 10, so that the axis keeps between six and
    // twelve steps rather than jumping to the next coarser one.
    const double step = (fraction < 1.5 ? 1.0 : fraction < 3.0 ? 2.0 : fraction < 7.0 ? 5.0 : 10.0) * power;
    return {std::floor(lowest / step + StepTolerance) * step, std::ceil(highest / step - StepTolerance) * step, step};
}

QPointF ScanPlotLayout::ToPixel(double energyKeV, double ratePerKeV) const
{
    const double x = (energyKeV - energy.lower) / (energy.upper - energy.lower);
    const double y = (ratePerKeV - rate.lower) / (rate.upper - rate.lower);
    return {ScanPlotArea.left() + x * ScanPlotArea.width(), ScanPlotArea.bottom() - y * ScanPlotArea.height()};
}

QPointF ScanPlotLayout::PullToPixel(double energyKeV, double pullValue) const
{
    const double x = (energyKeV - energy.lower) / (energy.upper - energy.lower);
    const double y = (pullValue - pull.lower) / (pull.upper - pull.lower);
    return {PullPlotArea.left() + x * PullPlotArea.width(), PullPlotArea.bottom() - y * PullPlotArea.height()};
}

ScanPlotLayout LayOutScanPlot(const std::vector<ScanPoint>& points)
{
    return {EnergyAxis(points), RateAxis(points), PullAxis(points)};
}
