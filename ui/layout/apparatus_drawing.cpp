#include "ui/layout/apparatus_drawing.h"

#include "core/anchors.h"
#include "ui/layout/colours.h"

#include <algorithm>

namespace {

constexpr int PlateWidth = 15;
constexpr int LeadLength = 40;
constexpr int DetectorHeight = 54;

const AnchorPoint& A(int index)
{
    return ApparatusAnchors[index];
}

// A corner of the left half, and its mirror image on the right.
PicturePoint Left(int index)
{
    return {A(0).x + A(index).x, A(0).y + A(index).y};
}

PicturePoint Right(int index)
{
    return {A(0).x - A(index).x, A(0).y + A(index).y};
}

DrawingStep Wall(std::vector<PicturePoint> corners)
{
    return {DrawingStep::Kind::Wall, std::move(corners), {}, Colours::Black, {}};
}

DrawingStep Fill(int left, int top, int right, int bottom, std::uint32_t colour)
{
    return {DrawingStep::Kind::Fill, {}, {left, top, right - left, bottom - top}, colour, {}};
}

// A sign on its own white background, with a line that leads from it to its plate.
DrawingStep Sign(std::string_view sign, PicturePoint topLeft, PicturePoint plateEdge, int leadDirection)
{
    return {DrawingStep::Kind::Sign,
            {topLeft, plateEdge, {plateEdge.x + leadDirection * LeadLength, plateEdge.y}},
            {},
            Colours::Black,
            sign};
}

}

std::vector<DrawingStep> ApparatusDrawing()
{
    const int plateTop = Left(3).y + 2;
    const int plateBottom = Left(4).y;
    const int middle = RoundHalfEven((plateTop + plateBottom) / 2.0);
    const int leftPlate = Left(3).x;
    const int rightPlate = Right(3).x;

    // The plates cover the bottom of the wall above them, the lower walls
    // cover the plates' last rows, and the field region comes last.
    return {
        Wall({Left(1), Left(2), {Left(2).x, Left(3).y}, Left(3), {A(0).x - 4, Left(3).y}}),
        Fill(leftPlate, plateTop, leftPlate + PlateWidth, plateBottom, Colours::Blue),
        Sign("_", {leftPlate - 45, middle - 65}, {leftPlate, middle}, -1),
        Wall({Left(4), Left(5), {Left(5).x, Left(6).y}, Left(6), Left(7), Right(7)}),
        Wall({Left(1), Right(1), Right(2), {Right(2).x, Right(3).y}, Right(3), {A(0).x + 3, Right(3).y}}),
        Fill(rightPlate - PlateWidth, plateTop, rightPlate, plateBottom, Colours::Blue),
        Sign("+", {rightPlate + 15, middle - 42}, {rightPlate, middle}, 1),
        Wall({Right(4), Right(5), {Right(5).x, Right(6).y}, Right(6), Right(7)}),
        Fill(leftPlate + PlateWidth, plateTop, rightPlate - PlateWidth, plateBottom - 2, Colours::Silver),
    };
}

void FloodFillWhite(std::uint32_t* pixels, int width, int height, int stride, PicturePoint seed,
                    std::uint32_t white, std::uint32_t colour)
{
    if (white == colour || seed.x < 0 || seed.y < 0 || seed.x >= width || seed.y >= height)
        return;
    const auto row = [pixels, stride](int y) { return pixels + static_cast<std::ptrdiff_t>(y) * stride; };
    std::vector<PicturePoint> pending{seed};
    while (!pending.empty()) {
        const PicturePoint p = pending.back();
        pending.pop_back();
        std::uint32_t* line = row(p.y);
        if (line[p.x] != white)
            continue;
        int left = p.x;
        while (left > 0 && line[left - 1] == white)
            --left;
        int right = p.x;
        while (right < width - 1 && line[right + 1] == white)
            ++right;
        std::fill(line + left, line + right + 1, colour);
        for (const int y : {p.y - 1, p.y + 1}) {
            if (y < 0 || y >= height)
                continue;
            const std::uint32_t* next = row(y);
            for (int x = left; x <= right; ++x) {
                if (next[x] == white && (x == left || next[x - 1] != white))
                    pending.push_back({x, y});
            }
        }
    }
}

ApparatusPlacement PlaceApparatusShapes(int rightJawWidth)
{
    const int jawTop = Left(5).y + ApparatusOriginY - 2;
    const int detectorTop = Left(6).y + ApparatusOriginY + 1;
    const int slitRightEdge = Right(5).x + ApparatusOriginX;
    const int tubeRight = Right(2).x + ApparatusOriginX;
    return {
        {Left(2).x + ApparatusOriginX, jawTop},
        {slitRightEdge - rightJawWidth, jawTop},
        {Left(7).x + ApparatusOriginX + 3, detectorTop, -2 * A(7).x - 5, DetectorHeight},
        slitRightEdge,
        {tubeRight + 40, jawTop - 5},
        {tubeRight + 25, detectorTop + 20},
    };
}
