// The end pieces: a short closed stretch of corridor behind the start and
// after the last block, so the camera never looks into the void. Walls,
// ceiling and a wall across the far end with a door in it; the floor is a
// piece of its own, as it takes the floor texture.
#include "Models.h"
#include "Slabs.h"
#include "WallFace.h"
#include "scene/WorldMeasures.h"

namespace assetgen {

namespace {

constexpr double kLength = brindlemoor::world::kEndPieceLength;
constexpr double kInner = brindlemoor::world::kInnerHalfWidth;
constexpr double kOuter = brindlemoor::world::kOuterHalfWidth;
constexpr double kThickness = brindlemoor::world::kWallThickness;

WallPlan wall(Vec3 origin, Vec3 right, double length) {
    WallPlan plan;
    plan.origin = origin;
    plan.right = right;
    plan.length = length;
    return plan;
}

}  // namespace

Mesh endWallsModel() {
    Mesh mesh;
    addWall(mesh, wall({-kInner, 0.0, 0.0}, {0.0, 0.0, -1.0}, kLength));
    addWall(mesh, wall({kInner, 0.0, -kLength}, {0.0, 0.0, 1.0}, kLength));
    // Across the far end, a door in the middle, as the side walls have theirs.
    WallPlan across = wall({-kInner, 0.0, -(kLength - kThickness)}, {1.0, 0.0, 0.0}, 2.0 * kInner);
    across.openings.push_back({Opening::Kind::Door, kInner - 1.8, kInner + 1.8, 0.0, 6.3});
    addWall(mesh, across);
    addCeilingSlab(mesh, -kOuter, kOuter, -kLength, 0.0);
    return mesh;
}

Mesh endFloorModel() {
    Mesh mesh;
    addFloorSlab(mesh, -kOuter, kOuter, -kLength, 0.0);
    return mesh;
}

}  // namespace assetgen
