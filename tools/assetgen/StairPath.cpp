#include "StairPath.h"

#include "scene/WorldMeasures.h"

namespace assetgen {

Vec3 HermiteSegment::at(double t) const { return brindlemoor::world::hermitePoint(p0, p1, t0, t1, t); }

namespace {

Vec3 vec(const brindlemoor::world::Vec3d& v) { return {v.x, v.y, v.z}; }

// Segment k of the game's walk down an unturned stairs piece, from `start`.
HermiteSegment stairsWalk(int k, Vec3 start) {
    const brindlemoor::world::WalkSegment& plan = brindlemoor::world::kStairsDownWalk[k][0];
    return {start, vec(plan.endOffset), vec(plan.startTangent), vec(plan.endTangent)};
}

}  // namespace

HermiteSegment firstFlightWalk() { return stairsWalk(0, {0.0, 0.0, 0.25}); }
HermiteSegment landingWalk() { return stairsWalk(1, firstFlightWalk().p1); }
HermiteSegment secondFlightWalk() { return stairsWalk(2, landingWalk().p1); }

double zWhereWalkReaches(const HermiteSegment& walk, double y) {
    constexpr int kSamples = 4000;
    Vec3 previous = walk.at(0.0);
    if (previous.y <= y) return previous.z;
    for (int i = 1; i <= kSamples; ++i) {
        const Vec3 p = walk.at(static_cast<double>(i) / kSamples);
        if (p.y <= y) {
            const double f = (previous.y - y) / (previous.y - p.y);
            return previous.z + (p.z - previous.z) * f;
        }
        previous = p;
    }
    return previous.z;
}

double yWhereWalkPasses(const HermiteSegment& walk, double z) {
    constexpr int kSamples = 4000;
    Vec3 previous = walk.at(0.0);
    for (int i = 1; i <= kSamples; ++i) {
        const Vec3 p = walk.at(static_cast<double>(i) / kSamples);
        if ((previous.z - z) * (p.z - z) <= 0.0 && previous.z != p.z) {
            const double f = (z - previous.z) / (p.z - previous.z);
            return previous.y + (p.y - previous.y) * f;
        }
        previous = p;
    }
    return previous.y;
}

}  // namespace assetgen
