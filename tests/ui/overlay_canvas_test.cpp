#include "tests/support/wait_for.h"
#include "ui/apparatus_painter.h"
#include "ui/overlay_canvas.h"
#include "ui/picture_widgets.h"

#include <QPaintEvent>
#include <QRandomGenerator>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <set>
#include <utility>
#include <vector>

namespace {

constexpr QSize OverlaySize(385, 778);
constexpr std::uint32_t TrackRed = 0x0000FF;
constexpr std::uint32_t LightRed = 0x8080FF;
constexpr QRgb OpaqueRed = 0xFFFF0000;

using PixelSet = std::set<std::pair<int, int>>;

PixelSet OpaquePixels(const OverlayCanvas& canvas)
{
    PixelSet pixels;
    const QImage& image = canvas.Image();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) != 0)
                pixels.insert({x, y});
        }
    }
    return pixels;
}

PixelSet Line(OverlayCanvas& canvas, QPoint from, QPoint to)
{
    canvas.Clear();
    canvas.MoveTo(from.x(), from.y());
    canvas.LineTo(to.x(), to.y());
    return OpaquePixels(canvas);
}

OverlayCanvas RedCanvas(QSize size = OverlaySize)
{
    OverlayCanvas canvas(size);
    canvas.SetPenColour(TrackRed);
    return canvas;
}

bool AllTransparent(const OverlayCanvas& canvas)
{
    const QImage& image = canvas.Image();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != 0)
                return false;
        }
    }
    return true;
}

TEST(OverlayCanvas, StartsAndClearsTransparent)
{
    OverlayCanvas canvas = RedCanvas();
    EXPECT_EQ(canvas.Image().size(), OverlaySize);
    EXPECT_TRUE(canvas.Image().hasAlphaChannel());
    EXPECT_TRUE(AllTransparent(canvas));

    canvas.SetBrushColour(0x00FF00);
    canvas.FillRect(QRect(0, 0, 385, 778));
    canvas.MoveTo(0, 0);
    canvas.LineTo(384, 777);
    canvas.Clear();
    EXPECT_TRUE(AllTransparent(canvas));
}

TEST(OverlayCanvas, LineSetsTheNearestPixelsWithBothEnds)
{
    OverlayCanvas canvas = RedCanvas();
    // Across the line the offsets are 0, 0.3, 0.6 ... 3; the tie at 1.5 goes
    // away from the start.
    EXPECT_EQ(Line(canvas, {10, 10}, {20, 13}),
              (PixelSet{{10, 10}, {11, 10}, {12, 11}, {13, 11}, {14, 11}, {15, 12}, {16, 12}, {17, 12}, {18, 12},
                        {19, 13}, {20, 13}}));
    EXPECT_EQ(canvas.Image().pixel(15, 12), OpaqueRed);

    EXPECT_EQ(Line(canvas, {30, 40}, {28, 35}), (PixelSet{{30, 40}, {30, 39}, {29, 38}, {29, 37}, {28, 36}, {28, 35}}));
    EXPECT_EQ(Line(canvas, {100, 100}, {102, 101}), (PixelSet{{100, 100}, {101, 101}, {102, 101}}));
    EXPECT_EQ(Line(canvas, {102, 101}, {100, 100}), (PixelSet{{102, 101}, {101, 100}, {100, 100}}));
    EXPECT_EQ(Line(canvas, {5, 5}, {5, 5}), (PixelSet{{5, 5}}));
    EXPECT_EQ(Line(canvas, {7, 3}, {7, 0}), (PixelSet{{7, 0}, {7, 1}, {7, 2}, {7, 3}}));
    EXPECT_EQ(Line(canvas, {3, 9}, {0, 6}), (PixelSet{{3, 9}, {2, 8}, {1, 7}, {0, 6}}));
}

TEST(OverlayCanvas, LinesStayConnectedAndCloseToTheTrueLine)
{
    OverlayCanvas canvas = RedCanvas();
    QRandomGenerator random(7);
    for (int n = 0; n < 200; ++n) {
        const QPoint a(random.bounded(385), random.bounded(778));
        const QPoint b(random.bounded(385), random.bounded(778));
        const PixelSet pixels = Line(canvas, a, b);
        const int dx = b.x() - a.x();
        const int dy = b.y() - a.y();
        const int steps = std::max(std::abs(dx), std::abs(dy));
        ASSERT_EQ(pixels.size(), static_cast<size_t>(steps + 1)) << "from " << a.x() << "," << a.y();
        ASSERT_TRUE(pixels.count({a.x(), a.y()}) && pixels.count({b.x(), b.y()}));
        for (const auto& [x, y] : pixels) {
            // Distance across the line's longer axis, in pixels.
            const double across = std::abs(dx) >= std::abs(dy)
                                      ? std::abs(y - (a.y() + double(dy) * (x - a.x()) / dx))
                                      : std::abs(x - (a.x() + double(dx) * (y - a.y()) / dy));
            ASSERT_LE(across, 0.5 + 1e-9) << "pixel " << x << "," << y;
        }
    }
}

TEST(OverlayCanvas, PenPositionFollowsTheLines)
{
    OverlayCanvas canvas = RedCanvas();
    canvas.MoveTo(201, 50);
    EXPECT_EQ(canvas.PenPosition(), QPoint(201, 50));
    canvas.LineTo(201, 52);
    canvas.LineTo(203, 52);
    EXPECT_EQ(canvas.PenPosition(), QPoint(203, 52));
    EXPECT_EQ(OpaquePixels(canvas), (PixelSet{{201, 50}, {201, 51}, {201, 52}, {202, 52}, {203, 52}}));
    canvas.LineTo(5000, -3000);
    EXPECT_EQ(canvas.PenPosition(), QPoint(5000, -3000));
}

TEST(OverlayCanvas, ColoursAreRedInTheLowByte)
{
    OverlayCanvas canvas(OverlaySize);
    canvas.SetPenColour(LightRed);
    EXPECT_EQ(canvas.PenColour(), LightRed);
    canvas.MoveTo(1, 1);
    canvas.LineTo(1, 1);
    EXPECT_EQ(canvas.Image().pixel(1, 1), qRgb(255, 128, 128));

    canvas.SetPenColour(0x00FF0000);
    canvas.LineTo(2, 1);
    EXPECT_EQ(canvas.Image().pixel(2, 1), qRgb(0, 0, 255));
}

TEST(OverlayCanvas, WhiteIsTransparent)
{
    OverlayCanvas canvas = RedCanvas();
    canvas.MoveTo(10, 10);
    canvas.LineTo(20, 10);
    canvas.SetPenColour(0xFFFFFF);
    canvas.MoveTo(15, 10);
    canvas.LineTo(20, 10);
    EXPECT_EQ(OpaquePixels(canvas), (PixelSet{{10, 10}, {11, 10}, {12, 10}, {13, 10}, {14, 10}}));

    canvas.SetBrushColour(0xFFFFFF);
    canvas.FillRect(canvas.Image().rect());
    EXPECT_TRUE(AllTransparent(canvas));
}

TEST(OverlayCanvas, FillRectUsesTheBrushAndStaysInThePicture)
{
    OverlayCanvas canvas(OverlaySize);
    canvas.SetBrushColour(0x008000);
    canvas.FillRect(QRect(10, 20, 5, 3));
    PixelSet expected;
    for (int y = 20; y <= 22; ++y) {
        for (int x = 10; x <= 14; ++x)
            expected.insert({x, y});
    }
    EXPECT_EQ(OpaquePixels(canvas), expected);
    EXPECT_EQ(canvas.Image().pixel(10, 20), qRgb(0, 128, 0));

    canvas.Clear();
    canvas.FillRect(QRect(-10, 770, 20, 100));
    EXPECT_EQ(OpaquePixels(canvas).size(), 10u * 8u);
}

TEST(OverlayCanvas, WidePenDrawsAroundTheLine)
{
    OverlayCanvas canvas = RedCanvas();
    canvas.SetPenWidth(3);
    canvas.MoveTo(50, 50);
    canvas.LineTo(80, 50);
    for (const int y : {49, 50, 51})
        EXPECT_EQ(canvas.Image().pixel(65, y), OpaqueRed) << y;
    EXPECT_EQ(canvas.Image().pixel(65, 47), 0u);
    EXPECT_EQ(canvas.Image().pixel(65, 53), 0u);

    canvas.MoveTo(-1000000, 400);
    canvas.LineTo(1000000, 400);
    EXPECT_EQ(canvas.Image().pixel(0, 400), OpaqueRed);
    EXPECT_EQ(canvas.Image().pixel(384, 400), OpaqueRed);
}

TEST(OverlayCanvas, ClippingKeepsThePixelsOfTheWholeLine)
{
    // The same line drawn whole on a larger picture, shifted so that it fits.
    OverlayCanvas clipped = RedCanvas();
    OverlayCanvas whole = RedCanvas(QSize(1051, 2051));
    Line(clipped, {-50, -50}, {1000, 2000});
    Line(whole, {0, 0}, {1050, 2050});
    for (int y = 0; y < OverlaySize.height(); ++y) {
        for (int x = 0; x < OverlaySize.width(); ++x)
            ASSERT_EQ(clipped.Image().pixel(x, y), whole.Image().pixel(x + 50, y + 50)) << x << ", " << y;
    }
    EXPECT_FALSE(OpaquePixels(clipped).empty());
}

TEST(OverlayCanvas, FarEndsAreClippedExactly)
{
    OverlayCanvas canvas = RedCanvas();
    PixelSet diagonal;
    for (int i = 0; i < 385; ++i)
        diagonal.insert({i, i});
    EXPECT_EQ(Line(canvas, {-1000000, -1000000}, {1000000, 1000000}), diagonal);
    EXPECT_EQ(Line(canvas, {INT_MIN, INT_MIN}, {INT_MAX, INT_MAX}), diagonal);

    // Half a pixel off at y = 0 is a tie, which goes away from the start.
    PixelSet column;
    for (int y = 0; y < 778; ++y)
        column.insert({201, y});
    EXPECT_EQ(Line(canvas, {200, -1000000}, {201, 1000000}), column);
    column.erase({201, 0});
    column.insert({200, 0});
    EXPECT_EQ(Line(canvas, {201, 1000000}, {200, -1000000}), column);

    PixelSet row;
    for (int x = 0; x < 385; ++x)
        row.insert({x, 5});
    EXPECT_EQ(Line(canvas, {1000000, 5}, {-1000000, 5}), row);
}

TEST(OverlayCanvas, TiesAtTheEdgeStayOutside)
{
    OverlayCanvas canvas = RedCanvas();
    EXPECT_EQ(Line(canvas, {384, 10}, {385, 12}), (PixelSet{{384, 10}}));
    EXPECT_EQ(Line(canvas, {385, 12}, {384, 10}), (PixelSet{{384, 11}, {384, 10}}));
    EXPECT_EQ(Line(canvas, {10, 777}, {12, 778}), (PixelSet{{10, 777}}));
    EXPECT_EQ(Line(canvas, {0, 10}, {-1, 12}), (PixelSet{{0, 10}}));
    EXPECT_EQ(Line(canvas, {-1, 12}, {0, 10}), (PixelSet{{0, 11}, {0, 10}}));
}

TEST(OverlayCanvas, LinesOutsideThePictureDrawNothing)
{
    OverlayCanvas canvas = RedCanvas();
    EXPECT_TRUE(Line(canvas, {-10, 5}, {5, -10}).empty());
    EXPECT_TRUE(Line(canvas, {385, 0}, {385, 777}).empty());
    EXPECT_TRUE(Line(canvas, {-5, 778}, {400, 800}).empty());
    EXPECT_TRUE(Line(canvas, {INT_MIN, INT_MAX}, {INT_MAX, INT_MAX}).empty());
}

TEST(OverlayCanvas, DirtyRectCoversWhatWasDrawn)
{
    OverlayCanvas canvas = RedCanvas();
    EXPECT_EQ(canvas.TakeDirtyRect(), QRect(QPoint(0, 0), OverlaySize));
    EXPECT_TRUE(canvas.DirtyRect().isEmpty());

    canvas.MoveTo(20, 13);
    canvas.LineTo(10, 10);
    EXPECT_EQ(canvas.DirtyRect(), QRect(QPoint(10, 10), QPoint(20, 13)));
    canvas.MoveTo(30, 40);
    canvas.LineTo(28, 35);
    EXPECT_EQ(canvas.TakeDirtyRect(), QRect(QPoint(10, 10), QPoint(30, 40)));
    EXPECT_TRUE(canvas.DirtyRect().isEmpty());

    canvas.Clear();
    canvas.TakeDirtyRect();
    canvas.MoveTo(-50, -50);
    canvas.LineTo(1000, 2000);
    const QRect clipped = canvas.TakeDirtyRect();
    EXPECT_TRUE(canvas.Image().rect().contains(clipped));
    for (const auto& [x, y] : OpaquePixels(canvas))
        EXPECT_TRUE(clipped.contains(x, y)) << x << ", " << y;

    canvas.MoveTo(-10, 5);
    canvas.LineTo(5, -10);
    EXPECT_TRUE(canvas.DirtyRect().isEmpty());

    canvas.FillRect(QRect(380, 770, 20, 20));
    EXPECT_EQ(canvas.TakeDirtyRect(), QRect(QPoint(380, 770), QPoint(384, 777)));
}

// The apparatus and the overlay as the window stacks them on its panel.
struct Drawing {
    Drawing()
    {
        panel.resize(440, 800);
        apparatus.move(ApparatusPictureOrigin);
        overlay.move(ApparatusPictureOrigin);
        PaintApparatus(apparatus.Picture());
    }

    QWidget panel;
    ApparatusImage apparatus{&panel};
    OverlayCanvas canvas = RedCanvas();
    OverlayImage overlay{canvas, &panel};
};

// How fast this is drawn is measured by the window benchmark, not here.
TEST(OverlayCanvas, ThousandParticlesOfTrackShowAfterOneRepaint)
{
    Drawing drawing;
    OverlayCanvas& canvas = drawing.canvas;
    QRandomGenerator random(11);
    std::vector<QPoint> steps;
    for (int particle = 0; particle < 1000; ++particle) {
        QPoint at(200, 200);
        for (int step = 0; step < 52; ++step) {
            at += QPoint(random.bounded(-3, 4), random.bounded(2, 6));
            steps.push_back(at);
        }
    }

    for (size_t i = 0; i < steps.size(); ++i) {
        if (i % 52 == 0)
            canvas.MoveTo(200, 200);
        canvas.LineTo(steps[i].x(), steps[i].y());
    }
    drawing.overlay.RepaintDirty();
    const QImage shown = drawing.panel.grab().toImage();
    EXPECT_EQ(shown.pixel(ApparatusPictureOrigin + QPoint(200, 200)), OpaqueRed);
}

TEST(OverlayImage, ShowsTracksOverTheApparatus)
{
    Drawing drawing;
    EXPECT_EQ(drawing.overlay.size(), OverlaySize);
    drawing.canvas.MoveTo(200, 300);
    drawing.canvas.LineTo(200, 500);

    const QImage window = drawing.panel.grab().toImage();
    const QImage& apparatus = drawing.apparatus.Picture();
    const QPoint origin = ApparatusPictureOrigin;
    EXPECT_EQ(window.pixel(origin + QPoint(200, 400)), OpaqueRed);
    EXPECT_EQ(window.pixel(origin + QPoint(205, 400)), apparatus.pixel(205, 400));
    EXPECT_EQ(window.pixel(origin + QPoint(140, 400)), apparatus.pixel(140, 400));
    EXPECT_EQ(window.pixel(origin + QPoint(20, 20)), qRgb(255, 255, 255));
}

TEST(OverlayImage, ClicksReachTheWidgetBelow)
{
    Drawing drawing;
    EXPECT_EQ(drawing.panel.childAt(ApparatusPictureOrigin + QPoint(100, 100)), &drawing.apparatus);
}

// Records the areas the overlay is asked to paint.
class PaintRecorder : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted |= static_cast<QPaintEvent*>(event)->region();
        return false;
    }

    QRegion painted;
};

TEST(OverlayImage, RepaintsOnlyWhatWasDrawn)
{
    Drawing drawing;
    OverlayCanvas& canvas = drawing.canvas;
    OverlayImage& overlay = drawing.overlay;
    drawing.panel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&drawing.panel));
    overlay.RepaintDirty();
    QCoreApplication::processEvents();

    PaintRecorder recorder;
    overlay.installEventFilter(&recorder);
    canvas.MoveTo(100, 100);
    canvas.LineTo(110, 120);
    overlay.RepaintDirty();
    EXPECT_TRUE(canvas.DirtyRect().isEmpty());
    ASSERT_TRUE(WaitFor("a paint event", [&] { return !recorder.painted.isEmpty(); }));
    EXPECT_TRUE(recorder.painted.contains(QRect(QPoint(100, 100), QPoint(110, 120))));
    EXPECT_FALSE(recorder.painted.contains(QPoint(300, 600)));
}

}
