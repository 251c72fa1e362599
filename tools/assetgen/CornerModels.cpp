// The left corner: the corridor comes in at z = 0 heading -z and leaves toward
// -x; the next block starts at x = -17.4, centred on z = -17.4. The right
// corner is this piece mirrored (made by the output list).
#include "scene/WorldMeasures.h"
#include "Models.h"
#include "Slabs.h"
#include "WallFace.h"

namespace assetgen {

namespace {

constexpr double kOffset = brindlemoor::world::kCornerOffset;  // the turn moves the corridor this far each way
constexpr double kFar = -22.9;            // outer face of the far wall
constexpr double kFarInner = -22.4;       // corridor face of the far wall
constexpr double kSideInner = -12.4;      // corridor face of the wall after the turn
constexpr double kSideOuter = -11.9;

WallPlan wallFace(Vec3 origin, Vec3 right, double length, double uOffset) {
    WallPlan wall;
    wall.origin = origin;
    wall.right = right;
    wall.length = length;
    wall.uOffset = uOffset;
    wall.openings = windowsAlong(length, uOffset);
    return wall;
}

}  // namespace

Mesh cornerLeftModel() {
    Mesh mesh;
    // Outer side of the turn: the right wall along the entry, then the far
    // wall along the exit. Window offsets centre the windows on what shows.
    addWall(mesh, wallFace({5.0, 0.0, kFar}, {0.0, 0.0, 1.0}, -kFar, 0.3));
    addWall(mesh, wallFace({-kOffset, 0.0, kFarInner}, {1.0, 0.0, 0.0}, 5.0 + kOffset, 0.8));
    // Inner side: the left wall up to the turn, then the wall after it.
    addWall(mesh, wallFace({-5.0, 0.0, 0.0}, {0.0, 0.0, -1.0}, -kSideOuter, 0.05));
    addWall(mesh, wallFace({-5.0, 0.0, kSideInner}, {-1.0, 0.0, 0.0}, kOffset - 5.0, -0.2));
    addCeilingSlab(mesh, -5.5, 5.5, kSideOuter, 0.0);
    addCeilingSlab(mesh, -kOffset, 5.5, kFar, kSideOuter);
    return mesh;
}

Mesh cornerLeftFloorModel() {
    Mesh mesh;
    addFloorSlab(mesh, -5.5, 5.5, kSideOuter, 0.0);
    addFloorSlab(mesh, -kOffset, 5.5, kFar, kSideOuter);
    return mesh;
}

}  // namespace assetgen
