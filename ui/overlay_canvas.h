#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <cstdint>

// The picture the tracks are drawn on, laid over the apparatus, in the
// tracks' colours (Colours::TrackColour in ui/layout/colours.h): whatever is
// painted white, including by Clear, lets the apparatus show through, so the
// image stores it as fully transparent and can be composed over the apparatus
// as it is.
//
// A pen 1 pixel wide (or less) sets the pixels of ui/layout/track_line.h,
// which the page's tracks set too. Wider pens have round ends.
class OverlayCanvas {
public:
    explicit OverlayCanvas(QSize size);

    void SetPenColour(std::uint32_t colour) { m_penColour = colour; }
    void SetPenWidth(int width) { m_penWidth = width; }
    void SetBrushColour(std::uint32_t colour) { m_brushColour = colour; }
    std::uint32_t PenColour() const { return m_penColour; }
    int PenWidth() const { return m_penWidth; }
    QPoint PenPosition() const { return m_penPosition; }

    void MoveTo(int x, int y) { m_penPosition = QPoint(x, y); }
    // Draws with the pen from its position to (x, y) and leaves it there.
    void LineTo(int x, int y);
    // Fills the part of rect inside the picture with the brush colour.
    void FillRect(const QRect& rect);
    void Clear();

    const QImage& Image() const { return m_image; }

    // What was drawn since the dirty rectangle was last taken.
    QRect DirtyRect() const { return m_dirty; }
    QRect TakeDirtyRect();

private:
    void DrawThinLine(QPoint from, QPoint to);
    void DrawWideLine(QPoint from, QPoint to);

    QImage m_image;
    std::uint32_t m_penColour = 0x000000;
    std::uint32_t m_brushColour = 0xFFFFFF;
    int m_penWidth = 1;
    QPoint m_penPosition;
    QRect m_dirty;
};
