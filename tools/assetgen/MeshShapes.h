// Building blocks for the models: flat quads, boxes, ellipsoids and tubes.
// Every face is wound counter-clockwise seen from outside, and texture u runs
// to the right and v upward as seen from outside (normal maps need that).
#pragma once

#include <vector>

#include "Mesh.h"

namespace assetgen {

// A flat four-cornered face a, b, c, d (counter-clockwise from the front).
// Rect textures map a to (u0, v0), b to (u1, v0), c to (u1, v1), d to (u0, v1);
// planar textures project on the directions a->b and its perpendicular.
void addQuad(Mesh& mesh, Vec3 a, Vec3 b, Vec3 c, Vec3 d, const FaceUv& uv);

// The rectangle origin, origin + along, origin + along + up, origin + up; its
// front side is the one that cross(along, up) points to.
void addRect(Mesh& mesh, Vec3 origin, Vec3 along, Vec3 up, const FaceUv& uv);

// An axis-aligned box with all six faces outward, each mapped with `uv`.
void addBox(Mesh& mesh, Vec3 lo, Vec3 hi, const FaceUv& uv);

struct UvArea {
    double u0, v0, u1, v1;
};

// An ellipsoid, or a band of one between latitudes lat0 and lat1 (degrees,
// -90 at the bottom). Longitude 0 of the texture area's u lies at angle phi0
// degrees from +x, turning toward -z; the area's middle is half a turn later.
void addEllipsoid(Mesh& mesh, Vec3 centre, Vec3 radii, int slices, int stacks, double lat0,
                  double lat1, const UvArea& area, double phi0);

// A smooth tube through a list of elliptic rings (a limb, a torso), with
// optional flat caps at both ends. Each ring's first radius lies along a side
// axis near +x, the second across it; v runs from the first ring to the last.
struct Ring {
    Vec3 centre;
    double radius1 = 0.1;
    double radius2 = 0.1;
};
struct TubeShape {
    std::vector<Ring> rings;
    int slices = 8;
    double phi0 = 90.0;  // u = 0 of the area; 90 puts the seam at the front (-z)
    bool capStart = true;
    bool capEnd = true;
};
void addTube(Mesh& mesh, const TubeShape& shape, const UvArea& area);

}  // namespace assetgen
