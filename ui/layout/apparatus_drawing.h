#pragma once

#include "ui/layout/window_layout.h"

#include <cstdint>
#include <string_view>
#include <vector>

// The apparatus picture as a list of steps that each view paints with its
// own means, in order: where shapes overlap the later one wins.

inline constexpr int WallPenWidth = 5;
// The signs' letters: 36 points on the 96 dpi screen the picture was laid out for.
inline constexpr int SignPixelSize = 48;

struct PicturePoint {
    int x = 0;
    int y = 0;
    bool operator==(const PicturePoint&) const = default;
};

struct DrawingStep {
    enum class Kind {
        Wall,  // a black polyline through the points, WallPenWidth wide, round caps and joins
        Fill,  // the rectangle filled with the colour
        Sign,  // the text, its top-left at the first point on white, and a lead line from the second to the third
    };
    Kind kind;
    std::vector<PicturePoint> points;
    ControlRect rect;
    std::uint32_t colour = 0;
    std::string_view text;
};

// The walls of the funnel, the filter and the detector chamber, the plates
// with their signs and the field region between them.
std::vector<DrawingStep> ApparatusDrawing();

// The funnel is closed at the top, so a fill of the white area around this
// point, painted last, colours only its inside and the tube below it.
inline constexpr PicturePoint FunnelSeed{204, 112};

// Colours the white area around seed that white pixels connect through their
// edges; any other value bounds it. Pixels are 32-bit values of any layout,
// rows stride pixels apart.
void FloodFillWhite(std::uint32_t* pixels, int width, int height, int stride, PicturePoint seed,
                    std::uint32_t white, std::uint32_t colour);

// The slit jaws, the detector and their labels lie over the picture; these
// are their places on the panel.
struct ApparatusPlacement {
    PicturePoint shape6;       // top-left of the left jaw
    PicturePoint shape7;       // top-left of the right jaw
    ControlRect shape8;        // the detector
    int slitRightEdge;         // outer edge of the right jaw, kept when the slit changes
    PicturePoint staticText4;  // top-left of the slit's label
    PicturePoint staticText5;  // top-left of the detector's label
};

ApparatusPlacement PlaceApparatusShapes(int rightJawWidth);
