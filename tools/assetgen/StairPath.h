// The walk the game takes the boy on through a stairs-down piece: three cubic
// Hermite segments, relative to the piece origin. The steps are cut to follow
// them, so that his feet never sink into a tread.
#pragma once

#include "DetMath.h"

namespace assetgen {

struct HermiteSegment {
    Vec3 p0, p1;  // end points
    Vec3 t0, t1;  // tangents at them
    Vec3 at(double t) const;
};

// The boy meets the piece's box just in front of it, at about z = 0.25.
HermiteSegment firstFlightWalk();
HermiteSegment landingWalk();
HermiteSegment secondFlightWalk();

// Where a walk first comes down to height y (its z), found on a fine sampling;
// the walk's start or end when it never gets there.
double zWhereWalkReaches(const HermiteSegment& walk, double y);

// The walk's height where it passes z (it must pass z only once).
double yWhereWalkPasses(const HermiteSegment& walk, double z);

}  // namespace assetgen
