// The stair well: a first flight down the right half from the entrance at
// z = 0 to a landing at the far end, and a second flight down the left half
// back toward z = 0, one storey (17.8) below. Stairs up are the same well
// raised by a storey, entered at the bottom.
#include <cmath>
#include <vector>

#include "scene/WorldMeasures.h"
#include "Layout.h"
#include "MeshShapes.h"
#include "Models.h"
#include "StairPath.h"

namespace assetgen {

namespace {

using namespace layout;

constexpr double kStorey = brindlemoor::world::kStoreyHeight;
constexpr double kLandingTop = -7.9;
constexpr double kBackInner = -34.5;   // corridor face of the back wall
constexpr double kBack = -35.0;
constexpr double kMiddleGap = 0.25;    // flights keep this far from x = 0
constexpr double kFlightDepth = 0.5;   // slab thickness under the nosings
constexpr int kFirstFlightRises = 20;  // the last one lands on the landing
constexpr int kSecondFlightRises = 25; // the last one lands on the bottom floor

// Adds a four-cornered face, turning it round if needed so it faces `towards`.
void addFacing(Mesh& mesh, Vec3 a, Vec3 b, Vec3 c, Vec3 d, Vec3 towards, const FaceUv& uv) {
    if (dot(cross(b - a, d - a), towards) < 0.0) {
        addQuad(mesh, b, a, d, c, uv);
    } else {
        addQuad(mesh, a, b, c, d, uv);
    }
}

FaceUv band(double v0, double bandWorld, double bandV0, double bandV1, double u0, double uLength,
            double vLength) {
    const double scale = (bandV1 - bandV0) / bandWorld;
    return FaceUv::rect(u0, v0, u0 + uLength / kStairPeriod, v0 + vLength * scale);
}

FaceUv concrete(double uLength, double vLength) {
    return band(kStairConcreteV0, kStairConcreteBand, kStairConcreteV0, kStairConcreteV1, 0.0, uLength,
                std::fmin(vLength, kStairConcreteBand));
}

// A flat face cut into strips across `up`, each strip showing one band of the
// stairs texture at its natural scale.
void addBandedFace(Mesh& mesh, Vec3 origin, Vec3 along, Vec3 up, double bandWorld, double bandV0,
                   double bandV1, double u0) {
    const double upLength = length(up);
    const int strips = static_cast<int>(std::ceil(upLength / bandWorld - 1e-9));
    const double stripLength = upLength / strips;
    const Vec3 step = up * (1.0 / strips);
    for (int i = 0; i < strips; ++i) {
        const FaceUv uv = band(bandV0, bandWorld, bandV0, bandV1, u0, length(along), stripLength);
        addRect(mesh, origin + step * i, along, step, uv);
    }
}

// A box whose one face `plasterSide` is banded plaster, the others concrete.
// Only the walls of the well need the plaster face; hidden faces stay cheap.
void addWellWall(Mesh& mesh, Vec3 lo, Vec3 hi, Vec3 plasterSide) {
    const double dx = hi.x - lo.x, dy = hi.y - lo.y, dz = hi.z - lo.z;
    struct Face {
        Vec3 origin, along, up, normal;
    };
    const Face faces[] = {
        {{hi.x, lo.y, hi.z}, {0, 0, -dz}, {0, dy, 0}, {1, 0, 0}},
        {{lo.x, lo.y, lo.z}, {0, 0, dz}, {0, dy, 0}, {-1, 0, 0}},
        {{lo.x, lo.y, hi.z}, {dx, 0, 0}, {0, dy, 0}, {0, 0, 1}},
        {{hi.x, lo.y, lo.z}, {-dx, 0, 0}, {0, dy, 0}, {0, 0, -1}},
        {{lo.x, hi.y, hi.z}, {dx, 0, 0}, {0, 0, -dz}, {0, 1, 0}},
        {{lo.x, lo.y, lo.z}, {dx, 0, 0}, {0, 0, dz}, {0, -1, 0}},
    };
    for (const Face& f : faces) {
        if (dot(f.normal, plasterSide) > 0.5) {
            addBandedFace(mesh, f.origin, f.along, f.up, kStairWallBand, kStairWallV0, kStairWallV1,
                          dot(f.origin, normalize(f.along)) / kStairPeriod);
        } else {
            addRect(mesh, f.origin, f.along, f.up, concrete(length(f.along), length(f.up)));
        }
    }
}

// A slab whose top is banded concrete (floors, landings) or whose underside is
// banded plaster (the ceiling); strips run across z.
void addSlab(Mesh& mesh, Vec3 lo, Vec3 hi, bool plasterUnderside) {
    const double dx = hi.x - lo.x, dy = hi.y - lo.y, dz = hi.z - lo.z;
    const Vec3 up{0.0, dy, 0.0};
    addRect(mesh, {hi.x, lo.y, hi.z}, {0, 0, -dz}, up, concrete(dz, dy));
    addRect(mesh, {lo.x, lo.y, lo.z}, {0, 0, dz}, up, concrete(dz, dy));
    addRect(mesh, {lo.x, lo.y, hi.z}, {dx, 0, 0}, up, concrete(dx, dy));
    addRect(mesh, {hi.x, lo.y, lo.z}, {-dx, 0, 0}, up, concrete(dx, dy));
    const double u0 = lo.x / kStairPeriod;
    if (plasterUnderside) {
        addRect(mesh, {lo.x, hi.y, hi.z}, {dx, 0, 0}, {0, 0, -dz}, concrete(dx, dz));
        addBandedFace(mesh, {lo.x, lo.y, lo.z}, {dx, 0, 0}, {0, 0, dz}, kStairWallBand, kStairWallV0,
                      kStairWallV1, u0);
    } else {
        addBandedFace(mesh, {lo.x, hi.y, hi.z}, {dx, 0, 0}, {0, 0, -dz}, kStairConcreteBand,
                      kStairConcreteV0, kStairConcreteV1, u0);
        addRect(mesh, {lo.x, lo.y, lo.z}, {dx, 0, 0}, {0, 0, dz}, concrete(dx, dz));
    }
}

struct Step {
    double zBack;   // edge toward the higher step
    double zFront;  // nosing
    double top;
};

// Uniform rises, with each tread lying where the walk is between its own top
// and the top of the step above: the boy's feet stay at most one rise above.
std::vector<Step> stepsAlong(const HermiteSegment& walk, double startY, double rise, int rises,
                             double zClampLow, double zClampHigh) {
    std::vector<Step> steps;
    for (int k = 1; k < rises; ++k) {
        Step s;
        s.top = startY - rise * k;
        s.zBack = zWhereWalkReaches(walk, startY - rise * (k - 1));
        s.zFront = zWhereWalkReaches(walk, s.top);
        s.zBack = std::fmin(std::fmax(s.zBack, zClampLow), zClampHigh);
        s.zFront = std::fmin(std::fmax(s.zFront, zClampLow), zClampHigh);
        if (std::fabs(s.zFront - s.zBack) < 0.05) continue;
        steps.push_back(s);
    }
    return steps;
}

// One flight between x0 and x1; `dir` is the walking direction along z.
void addFlight(Mesh& mesh, const std::vector<Step>& steps, double startY, double rise, double x0,
               double x1, double dir) {
    const double width = x1 - x0;
    const double xStart = dir < 0.0 ? x1 : x0;  // tread u runs from here across
    const Vec3 across{dir, 0.0, 0.0};
    const Vec3 forward{0.0, 0.0, dir};
    const double u0 = xStart * dir / kStairPeriod;
    double previousTop = startY;
    for (const Step& s : steps) {
        const double depth = std::fabs(s.zFront - s.zBack);
        const double next = s.top - rise;
        const Vec3 nose{xStart, s.top, s.zFront};
        // Tread, nosing at v = 0.
        addQuad(mesh, nose, nose + across * width, nose + across * width - forward * depth,
                nose - forward * depth,
                FaceUv::rect(u0, kStairTreadV0, u0 + width / kStairPeriod, kStairTreadV1));
        // Riser below the nosing, down to the next tread.
        const Vec3 foot{xStart, next, s.zFront};
        addFacing(mesh, foot, foot + across * width, nose + across * width, nose, forward,
                  band(kStairConcreteV0, kStairConcreteBand, kStairConcreteV0, kStairConcreteV1, u0,
                       width, rise));
        // Underside, parallel to the nosing line.
        const Vec3 underFront{xStart, s.top - kFlightDepth, s.zFront};
        const Vec3 underBack{xStart, previousTop - kFlightDepth, s.zBack};
        addFacing(mesh, underFront, underBack, underBack + across * width, underFront + across * width,
                  {0.0, -1.0, 0.0}, concrete(depth, width));
        previousTop = s.top;
    }
}

// A parapet along a flight's inner edge, its top a hand's height above the
// walk, drawn in a few straight pieces.
void addParapet(Mesh& mesh, const HermiteSegment& walk, double x0, double x1, double zA, double zB,
                int pieces, double rise) {
    std::vector<Vec3> lows, highs;  // at x0, per node: (0, y, z)
    for (int i = 0; i <= pieces; ++i) {
        const double z = zA + (zB - zA) * i / pieces;
        const double y = yWhereWalkPasses(walk, z);
        lows.push_back({0.0, y - rise - kFlightDepth - 0.15, z});
        highs.push_back({0.0, y + 1.0, z});
    }
    const Vec3 dx{x1 - x0, 0.0, 0.0};
    const Vec3 base{x0, 0.0, 0.0};
    for (int i = 0; i < pieces; ++i) {
        const Vec3 l0 = base + lows[i], l1 = base + lows[i + 1];
        const Vec3 h0 = base + highs[i], h1 = base + highs[i + 1];
        const double run = length(l1 - l0);
        const double tall = h0.y - l0.y;
        addFacing(mesh, l0, l1, h1, h0, {-1, 0, 0}, concrete(run, tall));
        addFacing(mesh, l0 + dx, l1 + dx, h1 + dx, h0 + dx, {1, 0, 0}, concrete(run, tall));
        addFacing(mesh, h0, h1, h1 + dx, h0 + dx, {0, 1, 0},
                  FaceUv::rect(0.0, kStairTreadV0 + 0.05, run / kStairPeriod, kStairTreadV1 - 0.05));
        addFacing(mesh, l0, l1, l1 + dx, l0 + dx, {0, -1, 0}, concrete(run, x1 - x0));
    }
    const double endDir = zB > zA ? 1.0 : -1.0;
    addFacing(mesh, base + lows[0], base + lows[0] + dx, base + highs[0] + dx, base + highs[0],
              {0, 0, -endDir}, concrete(x1 - x0, highs[0].y - lows[0].y));
    addFacing(mesh, base + lows[pieces], base + lows[pieces] + dx, base + highs[pieces] + dx,
              base + highs[pieces], {0, 0, endDir}, concrete(x1 - x0, highs[pieces].y - lows[pieces].y));
}

}  // namespace

Mesh stairsDownModel() {
    Mesh mesh;
    const double bottom = -kStorey;
    // Walls, ceiling and the bottom floor of the well.
    addWellWall(mesh, {5.0, bottom - 0.2, kBack}, {5.5, 12.0, 0.0}, {-1, 0, 0});
    addWellWall(mesh, {-5.5, bottom - 0.2, kBack}, {-5.0, 12.0, 0.0}, {1, 0, 0});
    addWellWall(mesh, {-5.0, bottom - 0.2, kBack}, {5.0, 12.0, kBackInner}, {0, 0, 1});
    addSlab(mesh, {-5.5, 12.0, kBack}, {5.5, 12.2, 0.0}, true);
    addSlab(mesh, {-5.0, bottom - 0.2, kBackInner}, {5.0, bottom, 0.0}, false);

    // First flight: right half, down toward the back wall.
    const HermiteSegment down1 = firstFlightWalk();
    const double rise1 = -kLandingTop / kFirstFlightRises;
    const std::vector<Step> flight1 = stepsAlong(down1, 0.0, rise1, kFirstFlightRises, kBackInner, 0.0);
    addFlight(mesh, flight1, 0.0, rise1, kMiddleGap, 5.0, -1.0);
    // Its top end, facing the entrance.
    addRect(mesh, {kMiddleGap, -kFlightDepth, 0.0}, {5.0 - kMiddleGap, 0.0, 0.0},
            {0.0, kFlightDepth - rise1, 0.0}, concrete(5.0 - kMiddleGap, kFlightDepth - rise1));
    const double flight1End = flight1.back().zFront;

    // Landing across the back: under the end of the first flight, then the
    // whole width where the second flight starts.
    const double landingSplit = -32.0;
    addSlab(mesh, {kMiddleGap, kLandingTop - kFlightDepth, landingSplit},
            {5.0, kLandingTop, flight1End}, false);
    addSlab(mesh, {-5.0, kLandingTop - kFlightDepth, kBackInner}, {5.0, kLandingTop, landingSplit}, false);

    // Second flight: left half, back down toward z = 0.
    const HermiteSegment down2 = secondFlightWalk();
    const double rise2 = (kLandingTop + kStorey) / kSecondFlightRises;
    const std::vector<Step> flight2 =
        stepsAlong(down2, kLandingTop, rise2, kSecondFlightRises, landingSplit, 0.0);
    addFlight(mesh, flight2, kLandingTop, rise2, -5.0, -kMiddleGap, 1.0);

    // Parapets on the inner edges, clear of where the walk crosses over (a boy
    // who stepped aside to the left crosses the middle some 15 units in).
    addParapet(mesh, down1, 0.05, kMiddleGap, -18.0, flight1End + 0.2, 3, rise1);
    addParapet(mesh, down2, -kMiddleGap, -0.05, -30.0, -4.0, 6, rise2);

    // A lintel over the way out below, which stays open from the floor of the
    // storey below up to y = -5.8 (the ceiling height there). Nothing else
    // stands at the top: a boy who entered at the left crosses over the drop.
    addSlab(mesh, {-5.0, -5.8, -0.4}, {5.0, -0.6, 0.0}, false);
    return mesh;
}

Mesh stairsUpModel() { return translated(stairsDownModel(), {0.0, kStorey, 0.0}); }

}  // namespace assetgen
