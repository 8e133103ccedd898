#pragma once

#include <QWidget>

class QToolButton;

// A pair of small arrow buttons that steps a position between a minimum and a
// maximum without wrapping, like a spin box without its own text; the text is
// shown by a separate box. With the focus, the arrow keys step it.
class UpDown : public QWidget {
    Q_OBJECT

public:
    UpDown(int minimum, int maximum, QWidget* parent);

    int position() const { return m_position; }
    void setPosition(int position);

signals:
    void positionChanged(int position);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void step(int by);

    int m_minimum;
    int m_maximum;
    int m_position;
    QToolButton* m_up;
    QToolButton* m_down;
};
