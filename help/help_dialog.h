#pragma once

#include "help/help_pages.h"

#include <QDialog>
#include <QImage>

#include <array>

class QFrame;
class QMouseEvent;
class QPushButton;
class QScrollBar;

// Shows one of the two help pages through a fixed viewport. The page moves
// with the scroll bar, the mouse wheel and by dragging with the left button;
// the viewer is modeless, so the main window stays usable beside it.
class THelpDlg : public QDialog {
    Q_OBJECT

public:
    explicit THelpDlg(QWidget* parent = nullptr);

    // Opens the viewer on page 0 (theory) or 1 (use and tasks), at its top.
    void ShowHelpPage(int page);

    void ScrollBar1Change();
    // Returns whether the turn was taken: only over the page, the frame or the
    // background, never over the scroll bar or the OK button.
    bool FormMouseWheel(int wheelDelta, const QPoint& globalPos);
    void Image1MouseDown(const QMouseEvent& event);
    void Image1MouseMove(const QMouseEvent& event);
    void OKBtnClick();

    // The page row at the top of the viewport.
    int ScrollPosition() const;
    int ShownPage() const;
    int LastDragY() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    bool Image1Event(QEvent* event);
    void PaintImage1();

    std::array<QImage, HelpPageCount> pages;
    QFrame* Bevel1;
    QWidget* Image1;
    QScrollBar* ScrollBar1;
    QPushButton* OKBtn;
    int PageIndex = 0;
    int DragLastY = 0;
};
