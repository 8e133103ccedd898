#include "help/help_dialog.h"

#include "ui/layout/colours.h"

#include <QFrame>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QWheelEvent>

namespace {

constexpr QSize ViewportSize(688, 825);

const std::array<const char*, HelpPageCount> Captions{
    QT_TRANSLATE_NOOP("THelpDlg", "Súgó (Elméleti bevezető )"),
    QT_TRANSLATE_NOOP("THelpDlg", "Súgó (A program használata + Feladatok)"),
};

// The lowest view ends one row above the bottom of the page.
int ScrollMaximum(const QImage& page)
{
    return page.height() - ViewportSize.height() - 1;
}

bool LeftButtonAlone(const QMouseEvent& event)
{
    return event.buttons() == Qt::LeftButton
        && !(event.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier));
}

void Place(QWidget* widget, const QString& name, const QRect& geometry)
{
    widget->setObjectName(name);
    widget->setGeometry(geometry);
}

}

THelpDlg::THelpDlg(QWidget* parent)
    : QDialog(parent)
    , pages{RenderHelpPage(0), RenderHelpPage(1)}
    , Bevel1(new QFrame(this))
    , Image1(new QWidget(this))
    , ScrollBar1(new QScrollBar(Qt::Vertical, this))
    , OKBtn(new QPushButton(tr("OK"), this))
{
    setObjectName(QStringLiteral("HelpDlg"));
    setWindowTitle(tr("Súgó"));
    setFixedSize(755, 886);
    QPalette teal = palette();
    teal.setColor(QPalette::Window, QColor(Colours::Teal));
    setPalette(teal);

    Place(Bevel1, QStringLiteral("Bevel1"), QRect(16, 8, 729, 841));
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);

    Place(Image1, QStringLiteral("Image1"), QRect(QPoint(24, 16), ViewportSize));
    Image1->setAttribute(Qt::WA_OpaquePaintEvent);
    Image1->installEventFilter(this);

    Place(ScrollBar1, QStringLiteral("ScrollBar1"), QRect(717, 17, 17, 825));
    ScrollBar1->setSingleStep(1);
    ScrollBar1->setPageStep(100);
    ScrollBar1->setMaximum(ScrollMaximum(pages[PageIndex]));
    ScrollBar1->installEventFilter(this);
    connect(ScrollBar1, &QScrollBar::valueChanged, this, &THelpDlg::ScrollBar1Change);

    Place(OKBtn, QStringLiteral("OKBtn"), QRect(332, 856, 75, 25));
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, &THelpDlg::OKBtnClick);
}

void THelpDlg::ShowHelpPage(int page)
{
    ScrollBar1->setMaximum(ScrollMaximum(pages.at(page)));
    PageIndex = page;
    DragLastY = 0;
    ScrollBar1->setValue(0);
    // The position may have been 0 already while the page changed.
    ScrollBar1Change();
    setWindowTitle(tr(Captions.at(page)));
    show();
    raise();
    activateWindow();
}

void THelpDlg::ScrollBar1Change()
{
    Image1->update();
}

bool THelpDlg::FormMouseWheel(int wheelDelta, const QPoint& globalPos)
{
    const QPoint pos = mapFromGlobal(globalPos);
    if (!rect().contains(pos))
        return false;
    const QWidget* under = childAt(pos);
    if (under != nullptr && under != Image1 && under != Bevel1)
        return false;
    ScrollBar1->setValue(ScrollBar1->value() - wheelDelta);
    return true;
}

void THelpDlg::Image1MouseDown(const QMouseEvent& event)
{
    if (event.type() != QEvent::MouseButtonDblClick && LeftButtonAlone(event))
        DragLastY = event.position().toPoint().y();
}

// DragLastY follows the mouse even when the scroll bar holds the view at an
// end, so moving back moves the page back at once.
void THelpDlg::Image1MouseMove(const QMouseEvent& event)
{
    if (!LeftButtonAlone(event))
        return;
    const int y = event.position().toPoint().y();
    ScrollBar1->setValue(ScrollBar1->value() + y - DragLastY);
    DragLastY = y;
}

void THelpDlg::OKBtnClick()
{
    hide();
}

int THelpDlg::ScrollPosition() const
{
    return ScrollBar1->value();
}

int THelpDlg::ShownPage() const
{
    return PageIndex;
}

int THelpDlg::LastDragY() const
{
    return DragLastY;
}

bool THelpDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Image1)
        return Image1Event(event);
    // A turn over the scroll bar goes on to the viewer, which leaves it alone:
    // the wheel moves the page only over the page, the frame and the background.
    if (watched == ScrollBar1 && event->type() == QEvent::Wheel) {
        event->ignore();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

// The viewport is a plain widget; the viewer paints it and takes its mouse
// events, as it does for its own.
bool THelpDlg::Image1Event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::Paint:
        PaintImage1();
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        Image1MouseDown(static_cast<const QMouseEvent&>(*event));
        return true;
    case QEvent::MouseMove:
        Image1MouseMove(static_cast<const QMouseEvent&>(*event));
        return true;
    default:
        return false;
    }
}

void THelpDlg::wheelEvent(QWheelEvent* event)
{
    event->setAccepted(FormMouseWheel(event->angleDelta().y(), event->globalPosition().toPoint()));
}

// One unscaled copy of the rows in view, into the double-buffered backing
// store, so fast scrolling does not flicker; the page was typeset up front.
void THelpDlg::PaintImage1()
{
    QPainter painter(Image1);
    painter.drawImage(QPoint(0, 0), pages[PageIndex], QRect(QPoint(0, ScrollBar1->value()), ViewportSize));
}
