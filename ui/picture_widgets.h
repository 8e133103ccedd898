#pragma once

#include <QImage>
#include <QWidget>

class OverlayCanvas;

// Shows the visible left part of the apparatus picture. Whoever paints into
// the picture calls update() afterwards.
class ApparatusImage : public QWidget {
    Q_OBJECT

public:
    explicit ApparatusImage(QWidget* parent = nullptr);

    QImage& Picture() { return m_picture; }
    const QImage& Picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_picture;
};

// Shows the track overlay over whatever lies below it; clicks pass through
// to the widgets underneath.
class OverlayImage : public QWidget {
    Q_OBJECT

public:
    explicit OverlayImage(OverlayCanvas& canvas, QWidget* parent = nullptr);

    // Schedules a repaint of what was drawn on the canvas since the last
    // call; it happens when events are next processed.
    void RepaintDirty();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    OverlayCanvas& m_canvas;
};
