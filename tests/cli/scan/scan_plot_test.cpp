#include "cli/scan/offscreen_gui.h"
#include "cli/scan/scan_plot.h"
#include "cli/scan/scan_plot_layout.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QRect>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

namespace {

// The plots draw text, which wants an application for the whole run.
class GuiEnvironment : public testing::Environment {
    void SetUp() override { gui = std::make_unique<OffscreenGui>(); }
    void TearDown() override { gui.reset(); }
    std::unique_ptr<OffscreenGui> gui;
};

testing::Environment* const Gui = testing::AddGlobalTestEnvironment(new GuiEnvironment);

// A C-14-like scan: the pass band widens with the energy, the counts follow
// the allowed shape, the unfolding lies a little off the truth, and the pulls
// swing both ways.
std::vector<ScanPoint> CarbonLikeScan()
{
    std::vector<ScanPoint> points;
    for (double energy = 10.0; energy <= 150.0; energy += 10.0) {
        const double shape = (energy + 511.0) * std::sqrt(energy) * std::pow(156.0 - energy, 2) / 4000.0;
        ScanPoint point;
        point.energyKeV = energy;
        point.passWidthKeV = 0.14 * energy;
        point.launched = 10000;
        point.detected = static_cast<int>(shape * *point.passWidthKeV);
        point.ratePerKeV = point.detected / *point.passWidthKeV;
        point.rateErrorPerKeV = std::sqrt(point.detected) / *point.passWidthKeV;
        point.truePerKeV = 0.97 * shape;
        point.unfoldedPerKeV = 0.99 * shape;
        point.unfoldedErrorPerKeV = 0.03 * shape + 5.0;
        // An interval need not be symmetric about its estimate.
        point.unfoldedLowerPerKeV = 0.95 * shape - 5.0;
        point.unfoldedUpperPerKeV = 1.06 * shape + 12.0;
        point.pull = 2.5 * std::sin(energy);
        points.push_back(point);
    }
    return points;
}

class ScanPlot : public testing::Test {
protected:
    static QImage Written(const std::vector<ScanPoint>& points)
    {
        return QImage::fromData(ScanPlotPng(points), "PNG").convertToFormat(QImage::Format_RGB32);
    }
};

int CountColour(const QImage& image, QRect region, QRgb colour)
{
    region &= image.rect();
    int count = 0;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x)
            count += image.pixel(x, y) == colour ? 1 : 0;
    return count;
}

// A few pixels around the place, for the rounding of the antialiased edges.
QRect Around(QPointF place, int radius = 2)
{
    const QPoint centre = place.toPoint();
    return QRect(centre - QPoint(radius, radius), centre + QPoint(radius, radius));
}

QRect PlotArea()
{
    return ScanPlotArea.toRect().adjusted(2, 2, -2, -2);
}

TEST(ScanPlotAxis, StepsAreOneTwoOrFiveTimesAPowerOfTen)
{
    const PlotAxis energy = NiceAxis(5.8, 154.2);
    EXPECT_EQ(energy.lower, 0.0);
    EXPECT_EQ(energy.upper, 160.0);
    EXPECT_EQ(energy.step, 20.0);
    EXPECT_EQ(energy.Decimals(), 0);
    EXPECT_EQ(energy.Ticks().size(), 9u);

    const PlotAxis rate = NiceAxis(0.0, 0.93);
    EXPECT_NEAR(rate.step, 0.1, 1e-12);
    EXPECT_NEAR(rate.upper, 1.0, 1e-12);
    EXPECT_EQ(rate.Decimals(), 1);

    const PlotAxis wide = NiceAxis(0.0, 164.65);
    EXPECT_EQ(wide.step, 20.0);
    EXPECT_EQ(wide.upper, 180.0);

    // 0.1 + 0.2 lies a hair above 0.3, yet 0.3 is already a whole step.
    const PlotAxis exact = NiceAxis(0.0, 0.1 + 0.2);
    EXPECT_NEAR(exact.step, 0.05, 1e-12);
    EXPECT_NEAR(exact.upper, 0.3, 1e-12);
    EXPECT_EQ(exact.Ticks().size(), 7u);
    EXPECT_EQ(exact.Decimals(), 2);
}

TEST(ScanPlotAxis, TickNumbersHaveADecimalCommaAndAMinusSign)
{
    const PlotAxis rate = NiceAxis(0.0, 0.93);
    EXPECT_EQ(rate.TickText(rate.Ticks()[4]), "0,4");
    EXPECT_EQ(NiceAxis(0.0, 150.0).TickText(20.0), "20");
    const PlotAxis pull = NiceAxis(-0.3, 0.3);
    EXPECT_EQ(pull.TickText(-0.2), "−0,2");
    EXPECT_EQ(pull.TickText(-1e-17), "0,0");
}

TEST(ScanPlotAxis, LayoutHoldsEveryErrorBarTheTruthAndThePulls)
{
    std::vector<ScanPoint> points = CarbonLikeScan();
    points[3].pull = -4.2;
    const ScanPlotLayout layout = LayOutScanPlot(points);
    EXPECT_EQ(layout.rate.lower, 0.0);
    EXPECT_EQ(layout.pull.lower, -layout.pull.upper);
    EXPECT_GE(layout.pull.upper, 3.0);
    for (const ScanPoint& point : points) {
        EXPECT_GT(point.energyKeV, layout.energy.lower);
        EXPECT_LT(point.energyKeV, layout.energy.upper);
        EXPECT_LT(*point.ratePerKeV + *point.rateErrorPerKeV, layout.rate.upper);
        EXPECT_LT(*point.unfoldedUpperPerKeV, layout.rate.upper);
        EXPECT_LT(point.truePerKeV, layout.rate.upper);
        EXPECT_LT(std::abs(*point.pull), layout.pull.upper);
    }
    EXPECT_TRUE(ScanPlotArea.contains(layout.ToPixel(10.0, *points.front().ratePerKeV)));
    EXPECT_LT(layout.ToPixel(10.0, 0.0).x(), layout.ToPixel(150.0, 0.0).x());
    EXPECT_GT(layout.ToPixel(10.0, 0.0).y(), layout.ToPixel(10.0, 100.0).y());
}

TEST(ScanPlotAxis, ErrorBarsBelowZeroDoNotMoveTheRateAxis)
{
    std::vector<ScanPoint> points = CarbonLikeScan();
    points.back().detected = 0;
    points.back().ratePerKeV = 0.0;
    points.back().rateErrorPerKeV = 1.0 / *points.back().passWidthKeV;
    EXPECT_EQ(LayOutScanPlot(points).rate.lower, 0.0);
}

TEST_F(ScanPlot, IsAPngOfThePictureSize)
{
    QByteArray png = ScanPlotPng(CarbonLikeScan());
    QBuffer buffer(&png);
    QImageReader reader(&buffer);
    EXPECT_EQ(reader.format(), "png");
    EXPECT_EQ(reader.size(), ScanPlotSize);
}

TEST_F(ScanPlot, ErrorBarsAndPullsStandWhereThePointsAre)
{
    const std::vector<ScanPoint> points = CarbonLikeScan();
    const QImage image = Written(points);
    const ScanPlotLayout layout = LayOutScanPlot(points);
    struct Estimate {
        double value;
        double lower;
        double upper;
        QRgb colour;
        double shift;
    };
    for (const ScanPoint& point : points) {
        SCOPED_TRACE(point.energyKeV);
        const double rate = *point.ratePerKeV;
        for (const Estimate e : {Estimate{rate, rate - *point.rateErrorPerKeV, rate + *point.rateErrorPerKeV,
                                          MeasuredColour, -EstimateOffset},
                                 Estimate{*point.unfoldedPerKeV, *point.unfoldedLowerPerKeV, *point.unfoldedUpperPerKeV,
                                          UnfoldedColour, EstimateOffset}}) {
            for (const double end : {e.value, e.lower, e.upper}) {
                const QPointF place = layout.ToPixel(point.energyKeV, end) + QPointF(e.shift, 0);
                EXPECT_GT(CountColour(image, Around(place), e.colour), 0) << end;
            }
        }
        EXPECT_GT(CountColour(image, Around(layout.PullToPixel(point.energyKeV, *point.pull)), PullColour), 0);
    }
}

TEST_F(ScanPlot, SourceLineRunsBetweenThePoints)
{
    const std::vector<ScanPoint> points = CarbonLikeScan();
    const QImage image = Written(points);
    const ScanPlotLayout layout = LayOutScanPlot(points);
    for (std::size_t i = 1; i < points.size(); ++i) {
        const double energy = (points[i - 1].energyKeV + points[i].energyKeV) / 2;
        const double scaled = (points[i - 1].truePerKeV + points[i].truePerKeV) / 2;
        SCOPED_TRACE(energy);
        EXPECT_GT(CountColour(image, Around(layout.ToPixel(energy, scaled)), SourceColour), 0);
        EXPECT_EQ(CountColour(image, Around(layout.ToPixel(energy, scaled)), MeasuredColour), 0);
    }
}

TEST_F(ScanPlot, PointsWithoutARateHaveNoMarkerButKeepTheLine)
{
    std::vector<ScanPoint> points = CarbonLikeScan();
    ScanPoint& unmeasured = points[5];
    unmeasured.ratePerKeV.reset();
    unmeasured.rateErrorPerKeV.reset();
    unmeasured.unfoldedPerKeV.reset();
    const QImage image = Written(points);
    const ScanPlotLayout layout = LayOutScanPlot(points);

    const int x = layout.ToPixel(unmeasured.energyKeV, 0.0).toPoint().x();
    const QRect column(x - 2, PlotArea().top(), 5, PlotArea().height());
    EXPECT_EQ(CountColour(image, column, MeasuredColour), 0);
    EXPECT_EQ(CountColour(image, column, UnfoldedColour), 0);
    EXPECT_GT(CountColour(image, Around(layout.ToPixel(unmeasured.energyKeV, unmeasured.truePerKeV)),
                          SourceColour), 0);
}

TEST_F(ScanPlot, EmptyScanDrawsTheAxesOnly)
{
    const QImage image = Written({});
    ASSERT_EQ(image.size(), ScanPlotSize);
    EXPECT_EQ(CountColour(image, PlotArea(), MeasuredColour), 0);
    EXPECT_EQ(CountColour(image, PlotArea(), SourceColour), 0);
    EXPECT_EQ(CountColour(image, PullPlotArea.toRect(), PullColour), 0);
    const QRect leftEdge(ScanPlotArea.toRect().left() - 1, PlotArea().top(), 3, PlotArea().height());
    EXPECT_GT(image.width() * image.height() - CountColour(image, image.rect(), qRgb(255, 255, 255)), 0);
    EXPECT_LT(CountColour(image, leftEdge, qRgb(255, 255, 255)), leftEdge.width() * leftEdge.height());
}

}
