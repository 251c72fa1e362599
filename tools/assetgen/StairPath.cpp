#include "StairPath.h"

namespace assetgen {

Vec3 HermiteSegment::at(double t) const {
    const double t2 = t * t, t3 = t2 * t;
    const double h00 = 2.0 * t3 - 3.0 * t2 + 1.0;
    const double h01 = -2.0 * t3 + 3.0 * t2;
    const double h10 = t3 - 2.0 * t2 + t;
    const double h11 = t3 - t2;
    return p0 * h00 + p1 * h01 + t0 * h10 + t1 * h11;
}

HermiteSegment firstFlightWalk() {
    return {{0.0, 0.0, 0.25}, {3.0, -7.9, -30.0}, {10.0, -1.0, -1.0}, {0.0, -1.0, -1.0}};
}

HermiteSegment landingWalk() {
    return {{3.0, -7.9, -30.0}, {-3.0, -7.9, -32.0}, {-1.0, 0.0, 0.0}, {-1.0, 0.0, 0.0}};
}

HermiteSegment secondFlightWalk() {
    return {{-3.0, -7.9, -32.0}, {0.0, -17.6, 3.0}, {-10.0, -5.0, -1.0}, {10.0, 5.0, -1.0}};
}

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
