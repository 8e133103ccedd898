#include "help/help_dialog.h"
#include "help/help_pages.h"

#include <QFrame>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QSpontaneKeyEvent>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <array>

namespace {

constexpr int ViewportHeight = 825;
constexpr int TheoryMaximum = 3814;
constexpr int UsageMaximum = 1434;

class HelpViewer : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        for (int page = 0; page < HelpPageCount; ++page)
            pages[page] = RenderHelpPage(page);
    }

    template <typename T = QWidget>
    T* Find(const char* name)
    {
        T* widget = viewer.findChild<T*>(QLatin1StringView(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    QScrollBar* ScrollBar() { return Find<QScrollBar>("ScrollBar1"); }
    QWidget* Viewport() { return Find("Image1"); }

    // Sent to the viewport as the platform would, through the viewer's filter.
    void Mouse(QEvent::Type type, int y, Qt::MouseButton button, Qt::MouseButtons buttons,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        const QPointF local(300, y);
        QMouseEvent event(type, local, Viewport()->mapToGlobal(local), button, buttons, modifiers);
        QCoreApplication::sendEvent(Viewport(), &event);
    }

    void Press(int y, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        Mouse(QEvent::MouseButtonPress, y, Qt::LeftButton, Qt::LeftButton, modifiers);
    }

    void Drag(int y, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        Mouse(QEvent::MouseMove, y, Qt::NoButton, Qt::LeftButton, modifiers);
    }

    // Returns whether some widget took the wheel turn. Only a turn that comes
    // from the platform goes on to the parents of a widget that ignores it, and
    // sendEvent() would take that mark away again.
    bool Wheel(QWidget* over, const QPoint& local, int delta)
    {
        QWheelEvent event(local, over->mapToGlobal(local), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QSpontaneKeyEvent::setSpontaneous(&event);
        QCoreApplication::instance()->notify(over, &event);
        return event.isAccepted();
    }

    QPoint GlobalCentre(QWidget* widget) { return widget->mapToGlobal(widget->rect().center()); }

    void ExpectViewportShowsRowsFrom(int page, int top)
    {
        const QImage shown = Viewport()->grab().toImage();
        ASSERT_EQ(shown.size(), QSize(688, ViewportHeight));
        for (int row : {0, 1, 137, 412, 700, ViewportHeight - 1}) {
            for (int x = 0; x < shown.width(); ++x) {
                if (shown.pixel(x, row) != pages[page].pixel(x, top + row)) {
                    ADD_FAILURE() << "page " << page << ", view from " << top << ": row " << row
                                  << " differs at x " << x;
                    return;
                }
            }
        }
    }

    static inline std::array<QImage, HelpPageCount> pages;
    THelpDlg viewer;
};

TEST_F(HelpViewer, ControlsStandWhereDesigned)
{
    EXPECT_EQ(viewer.objectName(), QStringLiteral("HelpDlg"));
    EXPECT_EQ(viewer.windowTitle(), QStringLiteral("Súgó"));
    EXPECT_EQ(viewer.minimumSize(), QSize(755, 886));
    EXPECT_EQ(viewer.maximumSize(), QSize(755, 886));
    EXPECT_EQ(viewer.palette().color(QPalette::Window), QColor(0, 128, 128));
    EXPECT_FALSE(viewer.isVisible());
    EXPECT_FALSE(viewer.isModal());

    EXPECT_EQ(Find<QFrame>("Bevel1")->geometry(), QRect(16, 8, 729, 841));
    EXPECT_EQ(Viewport()->geometry(), QRect(24, 16, 688, 825));
    EXPECT_EQ(ScrollBar()->geometry(), QRect(717, 17, 17, 825));
    EXPECT_EQ(ScrollBar()->orientation(), Qt::Vertical);
    auto* ok = Find<QPushButton>("OKBtn");
    EXPECT_EQ(ok->geometry(), QRect(332, 856, 75, 25));
    EXPECT_EQ(ok->text(), QStringLiteral("OK"));
    EXPECT_TRUE(ok->isDefault());
}

TEST_F(HelpViewer, StartsOnTheTheoryPageAtItsTop)
{
    EXPECT_EQ(viewer.ShownPage(), 0);
    EXPECT_EQ(viewer.LastDragY(), 0);
    EXPECT_EQ(viewer.ScrollPosition(), 0);
    EXPECT_EQ(ScrollBar()->minimum(), 0);
    EXPECT_EQ(ScrollBar()->maximum(), TheoryMaximum);
    ExpectViewportShowsRowsFrom(0, 0);
}

TEST_F(HelpViewer, OpensEachPageWithItsCaptionAndRange)
{
    viewer.ShowHelpPage(1);
    EXPECT_TRUE(viewer.isVisible());
    EXPECT_EQ(viewer.windowTitle(), QStringLiteral("Súgó (A program használata + Feladatok)"));
    EXPECT_EQ(ScrollBar()->maximum(), UsageMaximum);
    EXPECT_EQ(viewer.ShownPage(), 1);
    ExpectViewportShowsRowsFrom(1, 0);

    viewer.ShowHelpPage(0);
    EXPECT_EQ(viewer.windowTitle(), QStringLiteral("Súgó (Elméleti bevezető )"));
    EXPECT_EQ(ScrollBar()->maximum(), TheoryMaximum);
    EXPECT_EQ(viewer.ShownPage(), 0);
    ExpectViewportShowsRowsFrom(0, 0);
}

TEST_F(HelpViewer, ViewportCopiesThePageRowsAtTheScrollPosition)
{
    viewer.ShowHelpPage(0);
    for (int top : {1, 500, 1234, TheoryMaximum}) {
        ScrollBar()->setValue(top);
        ExpectViewportShowsRowsFrom(0, top);
    }
    viewer.ShowHelpPage(1);
    ScrollBar()->setValue(777);
    ExpectViewportShowsRowsFrom(1, 777);
}

TEST_F(HelpViewer, ViewStaysInsideThePageAndNeverShowsItsLastRow)
{
    const std::array<int, HelpPageCount> maxima{TheoryMaximum, UsageMaximum};
    for (int page = 0; page < HelpPageCount; ++page) {
        viewer.ShowHelpPage(page);
        ScrollBar()->setValue(-40);
        EXPECT_EQ(viewer.ScrollPosition(), 0);
        ScrollBar()->setValue(100000);
        EXPECT_EQ(viewer.ScrollPosition(), maxima[page]);
        EXPECT_EQ(viewer.ScrollPosition() + ViewportHeight, HelpPageSize(page).height() - 1);
        ExpectViewportShowsRowsFrom(page, maxima[page]);
    }
}

TEST_F(HelpViewer, ArrowsMoveOneRowAndTroughClicksAHundred)
{
    viewer.ShowHelpPage(0);
    ScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(viewer.ScrollPosition(), 1);
    ScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(viewer.ScrollPosition(), 101);
    ScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(viewer.ScrollPosition(), 100);
}

TEST_F(HelpViewer, WheelNotchAwayFromTheUserMovesTheViewUpByOneHundredTwentyRows)
{
    viewer.ShowHelpPage(0);
    ScrollBar()->setValue(500);
    EXPECT_TRUE(Wheel(Viewport(), QPoint(300, 400), 120));
    EXPECT_EQ(viewer.ScrollPosition(), 380);
    EXPECT_TRUE(Wheel(Viewport(), QPoint(300, 400), -240));
    EXPECT_EQ(viewer.ScrollPosition(), 620);
    ExpectViewportShowsRowsFrom(0, 620);
}

TEST_F(HelpViewer, WheelOverTheFrameOrTheBackgroundMovesTheView)
{
    viewer.ShowHelpPage(0);
    ScrollBar()->setValue(500);
    EXPECT_TRUE(Wheel(Find<QFrame>("Bevel1"), QPoint(3, 400), 120));
    EXPECT_EQ(viewer.ScrollPosition(), 380);
    EXPECT_TRUE(Wheel(&viewer, QPoint(100, 870), -120));
    EXPECT_EQ(viewer.ScrollPosition(), 500);
    EXPECT_TRUE(Wheel(Viewport(), QPoint(10, 10), 120 * 10));
    EXPECT_EQ(viewer.ScrollPosition(), 0);
}

TEST_F(HelpViewer, WheelOverTheScrollBarOrTheOkButtonMovesNothing)
{
    viewer.ShowHelpPage(0);
    ScrollBar()->setValue(500);
    auto* ok = Find<QPushButton>("OKBtn");

    EXPECT_FALSE(viewer.FormMouseWheel(120, GlobalCentre(ScrollBar())));
    EXPECT_FALSE(viewer.FormMouseWheel(-120, GlobalCentre(ok)));
    EXPECT_EQ(viewer.ScrollPosition(), 500);

    EXPECT_FALSE(Wheel(ok, ok->rect().center(), 120));
    EXPECT_FALSE(Wheel(ScrollBar(), ScrollBar()->rect().center(), 120));
    EXPECT_FALSE(Wheel(ScrollBar(), QPoint(8, 3), 120));
    EXPECT_EQ(viewer.ScrollPosition(), 500);

    EXPECT_TRUE(viewer.FormMouseWheel(120, GlobalCentre(Viewport())));
    EXPECT_EQ(viewer.ScrollPosition(), 380);
}

TEST_F(HelpViewer, LeftDragMovesThePageOneRowPerPixel)
{
    viewer.ShowHelpPage(0);
    Press(300);
    EXPECT_EQ(viewer.LastDragY(), 300);
    Drag(350);
    EXPECT_EQ(viewer.ScrollPosition(), 50);
    EXPECT_EQ(viewer.LastDragY(), 350);
    Drag(340);
    EXPECT_EQ(viewer.ScrollPosition(), 40);
    ExpectViewportShowsRowsFrom(0, 40);
}

TEST_F(HelpViewer, DragWithShiftOrWithTwoButtonsLeavesThePage)
{
    viewer.ShowHelpPage(0);
    ScrollBar()->setValue(200);

    Press(300, Qt::ShiftModifier);
    EXPECT_EQ(viewer.LastDragY(), 0);
    Drag(500, Qt::ShiftModifier);
    EXPECT_EQ(viewer.ScrollPosition(), 200);

    Mouse(QEvent::MouseButtonPress, 300, Qt::RightButton, Qt::LeftButton | Qt::RightButton);
    EXPECT_EQ(viewer.LastDragY(), 0);
    Mouse(QEvent::MouseMove, 500, Qt::NoButton, Qt::LeftButton | Qt::RightButton);
    EXPECT_EQ(viewer.ScrollPosition(), 200);

    Press(300, Qt::ControlModifier);
    Press(300, Qt::AltModifier);
    EXPECT_EQ(viewer.LastDragY(), 0);
    Drag(600, Qt::ControlModifier);
    EXPECT_EQ(viewer.ScrollPosition(), 200);
}

TEST_F(HelpViewer, SecondPressOfADoubleClickDoesNotRestartTheDrag)
{
    viewer.ShowHelpPage(0);
    Press(100);
    Mouse(QEvent::MouseButtonDblClick, 400, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(viewer.LastDragY(), 100);
}

TEST_F(HelpViewer, DragPastAnEndHoldsTheViewThereAndComesBackAtOnce)
{
    viewer.ShowHelpPage(1);
    ScrollBar()->setValue(UsageMaximum - 10);
    Press(100);
    Drag(400);
    EXPECT_EQ(viewer.ScrollPosition(), UsageMaximum);
    EXPECT_EQ(viewer.LastDragY(), 400);
    Drag(390);
    EXPECT_EQ(viewer.ScrollPosition(), UsageMaximum - 10);

    ScrollBar()->setValue(5);
    Press(500);
    Drag(-200);
    EXPECT_EQ(viewer.ScrollPosition(), 0);
    Drag(-190);
    EXPECT_EQ(viewer.ScrollPosition(), 10);
}

TEST_F(HelpViewer, OpeningAPageAlwaysStartsAtItsTopWithTheDragReset)
{
    viewer.ShowHelpPage(0);
    ScrollBar()->setValue(900);
    Press(123);
    viewer.ShowHelpPage(1);
    EXPECT_EQ(viewer.ScrollPosition(), 0);
    EXPECT_EQ(viewer.LastDragY(), 0);
    ExpectViewportShowsRowsFrom(1, 0);

    ScrollBar()->setValue(UsageMaximum);
    Press(77);
    viewer.ShowHelpPage(1);
    EXPECT_EQ(viewer.ScrollPosition(), 0);
    EXPECT_EQ(viewer.LastDragY(), 0);

    ScrollBar()->setValue(UsageMaximum);
    viewer.ShowHelpPage(0);
    EXPECT_EQ(viewer.ScrollPosition(), 0);
    ExpectViewportShowsRowsFrom(0, 0);
}

TEST_F(HelpViewer, OkHidesTheViewerWhichKeepsItsPlaceUntilReopened)
{
    viewer.ShowHelpPage(1);
    ScrollBar()->setValue(300);
    QTest::mouseClick(Find<QPushButton>("OKBtn"), Qt::LeftButton);
    EXPECT_FALSE(viewer.isVisible());
    EXPECT_EQ(viewer.ShownPage(), 1);
    EXPECT_EQ(viewer.ScrollPosition(), 300);

    viewer.ShowHelpPage(1);
    EXPECT_TRUE(viewer.isVisible());
    EXPECT_EQ(viewer.ScrollPosition(), 0);
}

}
