#include "ui/apparatus_painter.h"
#include "ui/palette.h"
#include "ui/picture_widgets.h"

#include <QColor>
#include <QImage>
#include <QWidget>

#include <gtest/gtest.h>

#include <string>

namespace {

const QImage& Painted()
{
    static const QImage picture = [] {
        QImage image;
        PaintApparatus(image);
        return image;
    }();
    return picture;
}

// Colours as "#rrggbb", so that a failure says what was found.
std::string Name(QRgb colour)
{
    return QColor(colour).name().toStdString();
}

std::string At(const QImage& image, int x, int y)
{
    return Name(image.pixel(x, y));
}

const std::string White = Name(qRgb(255, 255, 255));
const std::string Black = Name(qRgb(0, 0, 0));
const std::string Blue = Name(Palette::Blue);
const std::string Silver = Name(Palette::Silver);
const std::string Teal = Name(Palette::Teal);

bool IsDark(QRgb colour)
{
    return qGray(colour) < 96;
}

bool IsBlack(const QImage& image, QPoint p)
{
    return image.rect().contains(p) && image.pixel(p) == qRgb(0, 0, 0);
}

// The first and the last pixel of the black run through p along step.
std::pair<QPoint, QPoint> BlackRun(const QImage& image, QPoint p, QPoint step)
{
    QPoint first = p;
    while (IsBlack(image, first - step))
        first -= step;
    QPoint last = p;
    while (IsBlack(image, last + step))
        last += step;
    return {first, last};
}

std::pair<int, int> BlackRowsAt(const QImage& image, int x, int y)
{
    const auto [first, last] = BlackRun(image, {x, y}, {0, 1});
    return {first.y(), last.y()};
}

std::pair<int, int> BlackColumnsAt(const QImage& image, int x, int y)
{
    const auto [first, last] = BlackRun(image, {x, y}, {1, 0});
    return {first.x(), last.x()};
}

int DarkPixelsIn(const QImage& image, const QRect& area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            count += IsDark(image.pixel(x, y)) ? 1 : 0;
    }
    return count;
}

TEST(ApparatusPainter, CoversTheWholePicture)
{
    QImage stale(ApparatusPictureSize, QImage::Format_RGB32);
    stale.fill(qRgb(255, 0, 0));
    PaintApparatus(stale);
    ASSERT_EQ(stale.size(), QSize(440, 778));
    for (int y = 0; y < stale.height(); ++y) {
        for (int x = 0; x < stale.width(); ++x)
            ASSERT_NE(stale.pixel(x, y), qRgb(255, 0, 0)) << "left over at " << x << ", " << y;
    }
    EXPECT_EQ(stale, Painted());
}

TEST(ApparatusPainter, ReplacesAPictureOfAnotherSizeOrFormat)
{
    QImage small(10, 10, QImage::Format_RGB32);
    PaintApparatus(small);
    EXPECT_EQ(small.size(), QSize(440, 778));

    QImage narrowPixels(ApparatusPictureSize, QImage::Format_RGB888);
    PaintApparatus(narrowPixels);
    EXPECT_EQ(narrowPixels, Painted());
}

TEST(ApparatusPainter, BackgroundIsWhite)
{
    const QImage& picture = Painted();
    for (const QPoint p : {QPoint(20, 20), QPoint(420, 20), QPoint(20, 770), QPoint(439, 777), QPoint(400, 400),
                           QPoint(200, 720)})
        EXPECT_EQ(At(picture, p.x(), p.y()), White) << p.x() << ", " << p.y();
}

TEST(ApparatusPainter, PlatesAreBlueUpToTheirExclusiveEdges)
{
    const QImage& picture = Painted();
    for (const QPoint p : {QPoint(140, 400), QPoint(258, 400), QPoint(134, 300), QPoint(148, 300),
                           QPoint(251, 300), QPoint(265, 300), QPoint(140, 202), QPoint(258, 630)})
        EXPECT_EQ(At(picture, p.x(), p.y()), Blue) << p.x() << ", " << p.y();
    EXPECT_EQ(At(picture, 133, 300), White);
    EXPECT_EQ(At(picture, 266, 300), White);
}

TEST(ApparatusPainter, FieldRegionIsSilverBetweenThePlates)
{
    const QImage& picture = Painted();
    for (const QPoint p : {QPoint(200, 400), QPoint(149, 300), QPoint(250, 300), QPoint(160, 202), QPoint(240, 202),
                           QPoint(200, 630)})
        EXPECT_EQ(At(picture, p.x(), p.y()), Silver) << p.x() << ", " << p.y();
    EXPECT_EQ(At(picture, 200, 631), White) << "the field ends two rows above the plates";
}

TEST(ApparatusPainter, FunnelIsTealAndTheFillStaysInside)
{
    const QImage& picture = Painted();
    for (const QPoint p : {QPoint(200, 100), QPoint(204, 112), QPoint(200, 80), QPoint(175, 160), QPoint(225, 195)})
        EXPECT_EQ(At(picture, p.x(), p.y()), Teal) << p.x() << ", " << p.y();
    for (const QPoint p : {QPoint(180, 80), QPoint(220, 80), QPoint(200, 70), QPoint(160, 160), QPoint(240, 160)})
        EXPECT_EQ(At(picture, p.x(), p.y()), White) << p.x() << ", " << p.y();
}

TEST(ApparatusPainter, WallsAreBlackOnTheirLines)
{
    const QImage& picture = Painted();
    for (const QPoint p : {QPoint(168, 160), QPoint(232, 160), QPoint(200, 75), QPoint(150, 200), QPoint(250, 200),
                           QPoint(150, 633), QPoint(250, 633), QPoint(160, 635), QPoint(240, 635), QPoint(152, 660),
                           QPoint(248, 660), QPoint(200, 691)})
        EXPECT_EQ(At(picture, p.x(), p.y()), Black) << p.x() << ", " << p.y();
}

TEST(ApparatusPainter, WallsAreFivePixelsWideAroundTheirLines)
{
    const QImage& picture = Painted();
    EXPECT_EQ(BlackColumnsAt(picture, 168, 160), std::make_pair(166, 170));
    EXPECT_EQ(BlackColumnsAt(picture, 248, 660), std::make_pair(246, 250));
    EXPECT_EQ(BlackRowsAt(picture, 200, 691), std::make_pair(689, 693));
}

TEST(ApparatusPainter, EntryIntoTheFieldIsOpenOnTheAxis)
{
    const QImage& picture = Painted();
    EXPECT_EQ(At(picture, 200, 200), Teal);
    EXPECT_EQ(At(picture, 196, 200), Black);
    EXPECT_EQ(At(picture, 203, 200), Black);
}

TEST(ApparatusPainter, SignsSitBesideThePlatesWithTheirLeadLines)
{
    const QImage& picture = Painted();
    // The lead lines run at the middle height of the plates, 418.
    EXPECT_EQ(BlackRowsAt(picture, 120, 418), std::make_pair(416, 420));
    EXPECT_EQ(BlackRowsAt(picture, 275, 418), std::make_pair(416, 420));
    EXPECT_EQ(At(picture, 85, 418), White);
    EXPECT_EQ(At(picture, 315, 418), White);

    EXPECT_GT(DarkPixelsIn(picture, QRect(QPoint(89, 353), QPoint(130, 413))), 20) << "no minus sign";
    EXPECT_GT(DarkPixelsIn(picture, QRect(QPoint(281, 376), QPoint(320, 413))), 20) << "no plus sign";
    EXPECT_EQ(DarkPixelsIn(picture, QRect(QPoint(0, 340), QPoint(80, 430))), 0);
    EXPECT_EQ(DarkPixelsIn(picture, QRect(QPoint(330, 340), QPoint(439, 430))), 0);
}

TEST(ApparatusPlacement, ShapesAndLabelsOnThePanel)
{
    const ApparatusWidgetPlaces place = PlaceApparatusWidgets(30);
    EXPECT_EQ(place.shape6, QPoint(182, 642));
    EXPECT_EQ(place.shape7, QPoint(216, 642));
    EXPECT_EQ(place.shape8, QRect(169, 647, 91, 54));
    EXPECT_EQ(place.slitRightEdge, 246);
    EXPECT_EQ(place.staticText4, QPoint(286, 637));
    EXPECT_EQ(place.staticText5, QPoint(271, 667));
}

TEST(ApparatusPlacement, RightJawKeepsItsOuterEdge)
{
    for (int width = 11; width <= 30; ++width) {
        const ApparatusWidgetPlaces place = PlaceApparatusWidgets(width);
        EXPECT_EQ(place.shape7.x() + width, 246) << "width " << width;
        EXPECT_EQ(place.shape7.y(), 642);
        EXPECT_EQ(place.shape6, QPoint(182, 642));
        EXPECT_EQ(place.slitRightEdge, 246);
    }
}

TEST(ApparatusImage, ShowsTheVisiblePartOfThePicture)
{
    QWidget panel;
    panel.resize(440, 800);
    ApparatusImage image(&panel);
    image.move(ApparatusPictureOrigin);
    PaintApparatus(image.Picture());
    EXPECT_EQ(image.size(), QSize(385, 778));

    const QImage shown = image.grab().toImage();
    ASSERT_EQ(shown.size(), QSize(385, 778));
    for (const QPoint p : {QPoint(140, 400), QPoint(200, 400), QPoint(200, 100), QPoint(200, 691), QPoint(20, 20),
                           QPoint(384, 777)})
        EXPECT_EQ(At(shown, p.x(), p.y()), At(Painted(), p.x(), p.y())) << p.x() << ", " << p.y();

    const QImage window = panel.grab().toImage();
    EXPECT_EQ(At(window, 14 + 140, 11 + 400), Blue);
    EXPECT_EQ(At(window, 14 + 200, 11 + 100), Teal);
}

}
