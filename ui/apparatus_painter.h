#pragma once

#include "ui/layout/apparatus_drawing.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

// The apparatus picture is wider than the part the window shows.
inline constexpr QSize ApparatusPictureSize{ApparatusPictureWidth, ApparatusPictureHeight};
inline constexpr QSize ApparatusVisibleSize{ApparatusVisibleWidth, ApparatusPictureHeight};

// Where the picture's top-left pixel sits on the panel that carries the
// slit jaws, the detector and their labels.
inline constexpr QPoint ApparatusPictureOrigin{ApparatusOriginX, ApparatusOriginY};

// Paints the apparatus drawing over the whole picture. A picture of another
// size or format is replaced.
void PaintApparatus(QImage& picture);

// The places of the slit jaws, the detector and their labels on the panel.
struct ApparatusWidgetPlaces {
    QPoint shape6;
    QPoint shape7;
    QRect shape8;
    int slitRightEdge;
    QPoint staticText4;
    QPoint staticText5;
};

ApparatusWidgetPlaces PlaceApparatusWidgets(int rightJawWidth);
