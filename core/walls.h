#pragma once

#include <array>
#include <cstdint>

// One straight wall in metres, either vertical (X1 = X2) or horizontal.
struct WallSegment {
    double X1;
    double Y1;
    double X2;
    double Y2;
};

// The walls by number 0 to 15; numbers the apparatus does not use stay empty.
// JawWidth is the pixel width of each slit jaw, 30 for the narrowest slit.
struct WallTable {
    std::array<WallSegment, 16> Walls{};
    int JawWidth = 30;
};

using WallSet = std::uint16_t;

constexpr WallSet WallBit(int number)
{
    return static_cast<WallSet>(1u << number);
}

enum WallNumber {
    LeftJawWall = 4,
    RightJawWall = 5,
    EntryLineWall = 7,
    ExitLineWall = 8,
    DetectorFaceWall = 9,
    LeftPlateWall = 11,
    RightPlateWall = 14,
};

inline constexpr WallSet FieldWalls =
    WallBit(LeftJawWall) | WallBit(RightJawWall) | WallBit(LeftPlateWall) | WallBit(RightPlateWall);
inline constexpr WallSet EntryWalls = WallBit(EntryLineWall);
inline constexpr WallSet ExitWalls = WallBit(ExitLineWall);
inline constexpr WallSet DetectorWalls = WallBit(DetectorFaceWall);

// The slit jaws, the entry and exit lines of the filter region and the
// detector face; the jaws follow JawWidth, so they are rebuilt when the slit changes.
void BuildCrossWalls(WallTable& table);

// The inner faces of the two plates.
void BuildSideWalls(WallTable& table);

// The half-way point (0, A3.y) above the entry line where every particle starts.
double LaunchY();
