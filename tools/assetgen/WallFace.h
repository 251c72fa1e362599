// A corridor wall slab with recessed doors and windows in its corridor face.
// The wall is described from the corridor: s runs along the wall to the right,
// t up from the floor, depth into the wall. The corridor face carries plaster
// coordinates u = (s + uOffset) / 12, v = t / 12, which line the painted
// windows of the window texture up with the window recesses.
#pragma once

#include <vector>

#include "Mesh.h"

namespace assetgen {

struct Opening {
    enum class Kind { Door, Window };
    Kind kind = Kind::Window;
    double s0 = 0.0, s1 = 0.0;  // along the wall (a door's includes its frame)
    double t0 = 0.0, t1 = 0.0;  // up from the floor
};

struct WallPlan {
    Vec3 origin;                  // corridor face at s = 0, t = 0
    Vec3 right{0.0, 0.0, -1.0};   // unit direction of growing s
    double length = 24.0;
    double height = 12.0;
    double thickness = 0.5;
    double uOffset = 0.0;
    std::vector<Opening> openings;  // sorted by s, not overlapping
};

void addWall(Mesh& mesh, const WallPlan& wall);

// Window openings for a wall face of the given length whose plaster u starts
// at `uOffset`: one per 12-unit bay, wherever the painted window falls wholly
// on the face.
std::vector<Opening> windowsAlong(double length, double uOffset);

}  // namespace assetgen
