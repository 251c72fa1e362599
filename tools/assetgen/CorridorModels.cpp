// The straight corridor pieces: floor, ceiling and the left walls (the right
// walls are their mirror images, made by the output list).
#include "scene/WorldMeasures.h"
#include "Layout.h"
#include "Models.h"
#include "Slabs.h"
#include "WallFace.h"

namespace assetgen {

namespace {

constexpr double kBlockLength = brindlemoor::world::kBlockLength;

// The left wall's corridor face at x = -5, running from z = 0 toward -z.
WallPlan leftWall() {
    WallPlan wall;
    wall.origin = {-5.0, 0.0, 0.0};
    wall.right = {0.0, 0.0, -1.0};
    wall.length = kBlockLength;
    return wall;
}

}  // namespace

Mesh floorModel() {
    Mesh mesh;
    addFloorSlab(mesh, -5.5, 5.5, -kBlockLength, 0.0);
    return mesh;
}

Mesh ceilingModel() {
    Mesh mesh;
    addCeilingSlab(mesh, -5.5, 5.5, -kBlockLength, 0.0);
    return mesh;
}

Mesh wallPlainLeftModel() {
    Mesh mesh;
    addWall(mesh, leftWall());
    return mesh;
}

Mesh wallDoorLeftModel() {
    WallPlan wall = leftWall();
    // A 3-wide, 6-high leaf in a 0.3 frame, near the start of the block so the
    // blackboard in the middle does not hide it.
    wall.openings.push_back({Opening::Kind::Door, 3.4, 7.0, 0.0, 6.3});
    Mesh mesh;
    addWall(mesh, wall);
    return mesh;
}

Mesh wallWindowLeftModel() {
    WallPlan wall = leftWall();
    wall.openings = windowsAlong(wall.length, wall.uOffset);
    Mesh mesh;
    addWall(mesh, wall);
    return mesh;
}

}  // namespace assetgen
