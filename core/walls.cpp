#include "core/walls.h"

#include "core/anchors.h"

namespace {

// Pixel sums are formed as integers first and scaled last.
double Metres(int pixels)
{
    return pixels * MetresPerPixel;
}

const AnchorPoint& A(int index)
{
    return ApparatusAnchors[index];
}

}

void BuildCrossWalls(WallTable& table)
{
    const int w = table.JawWidth;
    const double jawY = Metres(A(4).y - 3);
    table.Walls[LeftJawWall] = {Metres(A(4).x), jawY, Metres(A(5).x + w), jawY};
    table.Walls[RightJawWall] = {Metres(-A(5).x - w), jawY, Metres(-A(3).x), jawY};

    const double entryY = Metres(A(3).y + 1);
    table.Walls[EntryLineWall] = {Metres(A(3).x), entryY, Metres(-A(3).x), entryY};
    const double exitY = Metres(A(4).y - 2);
    table.Walls[ExitLineWall] = {Metres(A(4).x), exitY, Metres(-A(4).x), exitY};
    const double detectorY = Metres(A(6).y + 15);
    table.Walls[DetectorFaceWall] = {Metres(A(4).x), detectorY, Metres(-A(4).x), detectorY};
}

void BuildSideWalls(WallTable& table)
{
    const int plateFace = A(3).x + 15;
    table.Walls[LeftPlateWall] = {Metres(plateFace), Metres(A(3).y), Metres(plateFace), Metres(A(4).y)};
    table.Walls[RightPlateWall] = {Metres(-plateFace), Metres(A(3).y), Metres(-plateFace), Metres(A(4).y)};
}

double LaunchY()
{
    return Metres(A(3).y);
}
