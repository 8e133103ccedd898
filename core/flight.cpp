#include "core/flight.h"

#include "core/anchors.h"
#include "core/particle.h"
#include "core/physics_constants.h"
#include "core/simulation.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr double BasicStepFraction = 0.02;               // 50 steps across the filter at launch speed
constexpr double RotationStep = 0.6283185307179586;      // a tenth of a gyration, rad
constexpr double ElectricStepMass = 9.1093837e-32;       // kg, a tenth of the rest mass
constexpr double NoLimit = 99999.0;                      // s

// Touching a wall counts as crossing it; a crossing exactly at a wall's end is
// a hit. Most steps pass far from any one wall, so the miss with both ends on
// one side is the likely way out.
inline bool CrossesVerticalSegment(double prevX, double prevY, double& x, double& y, const WallSegment& wall)
{
    if ((prevX - wall.X1) * (x - wall.X1) > 0) [[likely]]
        return false;
    if (prevX == x) {
        // Along the wall's own line: a hit when either end lies inside the wall,
        // as for horizontal walls; the particle is already on the wall.
        return (prevY - wall.Y1) * (prevY - wall.Y2) < 0 || (y - wall.Y1) * (y - wall.Y2) < 0;
    }
    const double slope = (y - prevY) / (x - prevX);
    const double yc = (wall.X1 - prevX) * slope + prevY;
    if ((yc - wall.Y1) * (yc - wall.Y2) <= 0) {
        x = wall.X1;
        y = yc;
        return true;
    }
    return false;
}

// The same for any wall whose ends differ in x, taken as horizontal at the height of its first end.
inline bool CrossesHorizontalSegment(double prevX, double prevY, double& x, double& y, const WallSegment& wall)
{
    if ((prevY - wall.Y1) * (y - wall.Y1) > 0) [[likely]]
        return false;
    if (prevY == y)
        return (prevX - wall.X1) * (prevX - wall.X2) < 0 || (x - wall.X1) * (x - wall.X2) < 0;
    const double inverseSlope = (x - prevX) / (y - prevY);
    const double xc = (wall.Y1 - prevY) * inverseSlope + prevX;
    if ((xc - wall.X1) * (xc - wall.X2) <= 0) {
        x = xc;
        y = wall.Y1;
        return true;
    }
    return false;
}

inline bool IsVertical(const WallSegment& wall)
{
    return wall.X1 == wall.X2;
}

inline bool CrossesSegment(double prevX, double prevY, double& x, double& y, const WallSegment& wall)
{
    if (IsVertical(wall))
        return CrossesVerticalSegment(prevX, prevY, x, y, wall);
    return CrossesHorizontalSegment(prevX, prevY, x, y, wall);
}

// The apparatus's walls 0 to 9 are horizontal and 10 to 15 vertical.
constexpr int FirstVerticalWall = 10;
constexpr int LastWall = 15;

// How a field step tells a vertical wall from a horizontal one: from the
// wall's ends, which serves any table, or from its number, which a flight may
// use once it has checked that its table follows the apparatus.
enum class WallDirection { FromEnds, FromNumber };

template <WallDirection Direction, int Number>
inline bool CrossesNumberedWall(const WallSegment* walls, double prevX, double prevY, double& x, double& y)
{
    if constexpr (Direction == WallDirection::FromEnds)
        return CrossesSegment(prevX, prevY, x, y, walls[Number]);
    else if constexpr (Number >= FirstVerticalWall)
        return CrossesVerticalSegment(prevX, prevY, x, y, walls[Number]);
    else
        return CrossesHorizontalSegment(prevX, prevY, x, y, walls[Number]);
}

// Walls are tried in ascending number, and the first hit of a group ends the group.
template <WallDirection Direction, WallSet Set, int Number, int Last>
inline bool FirstHitInGroup(const WallSegment* walls, double prevX, double prevY, double& x, double& y)
{
    if constexpr (Number > Last) {
        return false;
    } else {
        if constexpr ((Set & WallBit(Number)) != 0) {
            if (CrossesNumberedWall<Direction, Number>(walls, prevX, prevY, x, y))
                return true;
        }
        return FirstHitInGroup<Direction, Set, Number + 1, Last>(walls, prevX, prevY, x, y);
    }
}

// The horizontal walls go first, so their hit shortens the step the vertical ones see.
template <WallDirection Direction, WallSet Set>
inline bool HitsWallSet(const WallSegment* walls, double prevX, double prevY, double& x, double& y)
{
    const bool first = FirstHitInGroup<Direction, Set, 0, FirstVerticalWall - 1>(walls, prevX, prevY, x, y);
    const bool second = FirstHitInGroup<Direction, Set, FirstVerticalWall, LastWall>(walls, prevX, prevY, x, y);
    return first || second;
}

bool FollowsWallNumbering(const std::array<WallSegment, 16>& walls, WallSet set)
{
    for (int number = 0; number <= LastWall; ++number) {
        if ((set & WallBit(number)) != 0 && IsVertical(walls[number]) != (number >= FirstVerticalWall))
            return false;
    }
    return true;
}

bool FirstHitInGroup(const WallTable& table, WallSet set, int number, int last, ParticleState& p)
{
    for (; number <= last; ++number) {
        if ((set & WallBit(number)) != 0 && CrossesWall(p, table.Walls[number]))
            return true;
    }
    return false;
}

void DrawTrackPiece(MeasurementView& view, ParticleState& p)
{
    if (p.Colour == 0)
        return;
    view.DrawTrackPiece(p.PrevPixelX, p.PrevPixelY, p.PixelX, p.PixelY, p.Colour);
    p.PrevPixelX = p.PixelX;
    p.PrevPixelY = p.PixelY;
}

// Steps sit one pixel below the launch grid.
void PlaceOnStepGrid(ParticleState& p)
{
    p.PixelX = PixelXOf(p.X);
    p.PixelY = PixelYOf(p.Y) + 1;
}

// The closed-form motion in the crossed fields from the launch values. With a
// magnetic field the particle gyrates about a guiding centre drifting at
// vd = E/B; without one it is accelerated uniformly along x.
struct FieldMotion {
    bool magnetic;
    double omega;           // rad/s
    double vd;              // m/s, drift speed
    double acceleration;    // m/s², without a magnetic field
    double x0, y0, vx0, vy0;
    double kVx0;            // k·Vx0
    double relativeDrift;   // vd − Vy0
    double driftRadius;     // (vd − Vy0)·k

    FieldMotion(const ParticleState& p, double magneticField, double electricField)
        : magnetic(magneticField != 0.0),
          omega(ElementaryCharge * magneticField / ElectronMass),
          vd(0.0),
          acceleration(ElementaryCharge * electricField / ElectronMass),
          x0(p.X0), y0(p.Y0), vx0(p.Vx0), vy0(p.Vy0),
          kVx0(0.0), relativeDrift(0.0), driftRadius(0.0)
    {
        double k = 0.0;
        if (magnetic) {
            vd = electricField / magneticField;
            k = ElectronMass / (ElementaryCharge * magneticField);
        }
        kVx0 = k * vx0;
        relativeDrift = vd - vy0;
        driftRadius = relativeDrift * k;
    }

    void PositionAt(double t, double& x, double& y) const
    {
        if (magnetic) {
            const double a = omega * t;
            const double sinA = std::sin(a);
            const double cosA = std::cos(a);
            x = x0 + sinA * kVx0 + (1 - cosA) * driftRadius;
            y = y0 + (1 - cosA) * kVx0 - sinA * driftRadius + vd * t;
        } else {
            x = vx0 * t + x0 + acceleration * 0.5 * (t * t);
            y = vy0 * t + y0;
        }
    }

    // The walls test positions only, so the velocity is worked out just for
    // the steps whose state the particle record takes.
    void VelocityAt(double t, double& vx, double& vy) const
    {
        if (magnetic) {
            const double a = omega * t;
            const double sinA = std::sin(a);
            const double cosA = std::cos(a);
            vx = cosA * vx0 + sinA * relativeDrift;
            vy = vd + sinA * vx0 - cosA * relativeDrift;
        } else {
            vx = acceleration * t + vx0;
            vy = vy0;
        }
    }
};

double FieldTimeStep(const WallTable& table, const ParticleState& p, const FieldMotion& motion,
                     double electricField)
{
    const double length = table.Walls[ExitLineWall].Y1 - table.Walls[EntryLineWall].Y1;
    const double dtLength = BasicStepFraction * length / p.Vy0;
    const double dtRotation = motion.omega != 0.0 ? std::fabs(RotationStep / motion.omega) : NoLimit;
    const double dtElectric = electricField != 0.0
        ? std::fabs(ElectricStepMass * p.Speed / (ElementaryCharge * electricField))
        : NoLimit;
    return std::min({dtLength, dtRotation, dtElectric});
}

template <WallDirection Direction>
bool FieldSteps(Simulation& sim, ParticleState& p)
{
    const double electricField = sim.filter.electricField;
    const FieldMotion motion(p, sim.filter.magneticField, electricField);
    const double dt = FieldTimeStep(sim.walls, p, motion, electricField);
    // A private copy of the walls lets the steps run in registers.
    const std::array<WallSegment, 16> walls = sim.walls.Walls;
    MeasurementView* const view = p.Colour != 0 ? sim.view : nullptr;

    double t = p.T;
    double x = p.X;
    double y = p.Y;
    double prevX = p.PrevX;
    double prevY = p.PrevY;
    auto store = [&] {
        p.X = x;
        p.Y = y;
        p.PrevX = prevX;
        p.PrevY = prevY;
        motion.VelocityAt(t, p.Vx, p.Vy);
    };

    int n = 0;
    bool hit = false;
    while (n < MaxFieldSteps && !hit) {
        prevX = x;
        prevY = y;
        t = t + dt;
        ++n;
        motion.PositionAt(t, x, y);
        hit = HitsWallSet<Direction, FieldWalls>(walls.data(), prevX, prevY, x, y);
        if (n > 3 && !hit)
            hit = HitsWallSet<Direction, EntryWalls>(walls.data(), prevX, prevY, x, y);
        if (hit)
            p.Alive = false;
        if (view && view->TracksShown()) {
            store();
            PlaceOnStepGrid(p);
            DrawTrackPiece(*view, p);
        }
        if (!hit) {
            if (HitsWallSet<Direction, ExitWalls>(walls.data(), prevX, prevY, x, y)) {
                store();
                p.Phase = InFreeFlight;
                return false;
            }
            p.T = t;
        }
    }
    store();
    if (n >= MaxFieldSteps)
        p.Alive = false;
    return hit;
}

}

bool CrossesWall(ParticleState& p, const WallSegment& wall)
{
    return CrossesSegment(p.PrevX, p.PrevY, p.X, p.Y, wall);
}

bool TestWallSet(const WallTable& table, ParticleState& p, WallSet set, bool absorbing)
{
    const bool first = FirstHitInGroup(table, set, 0, FirstVerticalWall - 1, p);
    const bool second = FirstHitInGroup(table, set, FirstVerticalWall, LastWall, p);
    const bool hit = first || second;
    if (absorbing && hit)
        p.Alive = false;
    return hit;
}

void CountDetection(Simulation& sim, const ParticleState& p)
{
    if (p.Id == ReferenceId)
        return;
    ++sim.run.detectedCount;
    if (sim.view)
        sim.view->ShowDetected(sim.run.detectedCount);
}

bool FieldPhase(Simulation& sim, ParticleState& p)
{
    // A particle the source gave no energy stays at rest and never leaves it.
    if (!(p.Vy0 > 0.0)) {
        p.Alive = false;
        return false;
    }
    // The walls stay as they are during a flight, so which way each one runs
    // is settled here once instead of at every step.
    if (FollowsWallNumbering(sim.walls.Walls, FieldWalls | EntryWalls | ExitWalls))
        return FieldSteps<WallDirection::FromNumber>(sim, p);
    return FieldSteps<WallDirection::FromEnds>(sim, p);
}

FlightOutcome FreeFlightStep(Simulation& sim, ParticleState& p)
{
    p.X = p.X + p.Vx * FreeFlightTime;
    p.Y = p.Y + p.Vy * FreeFlightTime;
    const bool detected = TestWallSet(sim.walls, p, DetectorWalls, false);
    if (detected)
        CountDetection(sim, p);
    p.Alive = false;
    if (sim.view && sim.view->TracksShown()) {
        PlaceOnStepGrid(p);
        DrawTrackPiece(*sim.view, p);
    }
    return detected ? FlightOutcome::Detected : FlightOutcome::Left;
}

FlightOutcome DriveParticle(Simulation& sim, ParticleState& p)
{
    while (p.Alive) {
        if (p.Phase == InFieldRegion && FieldPhase(sim, p))
            return FlightOutcome::Absorbed;
        if (p.Phase == InFreeFlight)
            return FreeFlightStep(sim, p);
    }
    return FlightOutcome::Left;
}
