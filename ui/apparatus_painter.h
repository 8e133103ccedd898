#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

// The apparatus picture is wider than the part the window shows.
inline constexpr QSize ApparatusPictureSize{440, 778};
inline constexpr QSize ApparatusVisibleSize{385, 778};

// Where the picture's top-left pixel sits on the panel that carries the
// slit jaws, the detector and their labels.
inline constexpr QPoint ApparatusPictureOrigin{14, 11};

// Paints the funnel, the plates with the field region between them, their
// signs, and the walls of the slit and the detector chamber over the whole
// picture. A picture of another size or format is replaced.
void PaintApparatus(QImage& picture);

// The slit jaws, the detector and their labels are widgets laid over the
// picture; these are their places on the panel.
struct ApparatusPlacement {
    QPoint shape6;       // top-left of the left jaw
    QPoint shape7;       // top-left of the right jaw
    QRect shape8;        // the detector
    int slitRightEdge;   // outer edge of the right jaw, kept when the slit changes
    QPoint staticText4;  // top-left of the slit's label
    QPoint staticText5;  // top-left of the detector's label
};

ApparatusPlacement PlaceApparatusShapes(int rightJawWidth);
