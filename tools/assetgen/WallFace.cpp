#include "WallFace.h"

#include <algorithm>
#include <cmath>

#include "Layout.h"
#include "MeshShapes.h"

namespace assetgen {

namespace {

constexpr double kRecessDepth = 0.3;     // doors and windows sit this far into the wall
constexpr double kDoorFrame = 0.3;       // width of the flush door frame

struct WallFrame {
    const WallPlan& wall;
    Vec3 up{0.0, 1.0, 0.0};
    Vec3 normal;  // toward the corridor
    Vec3 inward;

    explicit WallFrame(const WallPlan& w) : wall(w) {
        normal = cross(w.right, up);
        inward = -normal;
    }
    Vec3 at(double s, double t, double depth) const {
        return wall.origin + wall.right * s + up * t + inward * depth;
    }
    Vec2 plasterUv(double s, double t) const {
        return {(s + wall.uOffset) / layout::kBay, t / layout::kBay};
    }
    // A face parallel to the wall at `depth`, with plaster coordinates.
    void plasterQuad(Mesh& mesh, double s0, double s1, double t0, double t1, double depth) const {
        const int a = mesh.add({at(s0, t0, depth), normal, plasterUv(s0, t0)});
        const int b = mesh.add({at(s1, t0, depth), normal, plasterUv(s1, t0)});
        const int c = mesh.add({at(s1, t1, depth), normal, plasterUv(s1, t1)});
        const int d = mesh.add({at(s0, t1, depth), normal, plasterUv(s0, t1)});
        mesh.quad(a, b, c, d);
    }
    // A face parallel to the wall whose texture runs upward along u (wood grain
    // standing upright on door leaves and frames).
    void uprightQuad(Mesh& mesh, double s0, double s1, double t0, double t1, double depth,
                     const FaceUv& uv) const {
        addQuad(mesh, at(s1, t0, depth), at(s1, t1, depth), at(s0, t1, depth), at(s0, t0, depth), uv);
    }
    // The four sides of a recess from the wall face down to `depth`.
    void recessSides(Mesh& mesh, double s0, double s1, double t0, double t1, double depth,
                     const FaceUv& uv, bool withSill) const {
        addQuad(mesh, at(s0, t0, 0), at(s0, t0, depth), at(s0, t1, depth), at(s0, t1, 0), uv);
        addQuad(mesh, at(s1, t0, depth), at(s1, t0, 0), at(s1, t1, 0), at(s1, t1, depth), uv);
        addQuad(mesh, at(s0, t1, depth), at(s1, t1, depth), at(s1, t1, 0), at(s0, t1, 0), uv);
        if (withSill) addQuad(mesh, at(s0, t0, 0), at(s1, t0, 0), at(s1, t0, depth), at(s0, t0, depth), uv);
    }
};

const Opening* openingCovering(const WallPlan& wall, double s0, double s1) {
    for (const Opening& o : wall.openings)
        if (o.s0 <= s0 && s1 <= o.s1) return &o;
    return nullptr;
}

void addCorridorFace(Mesh& mesh, const WallFrame& f) {
    const WallPlan& wall = f.wall;
    std::vector<double> cuts{0.0, wall.length};
    for (const Opening& o : wall.openings) {
        cuts.push_back(o.s0);
        cuts.push_back(o.s1);
    }
    std::sort(cuts.begin(), cuts.end());
    cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());
    for (std::size_t i = 0; i + 1 < cuts.size(); ++i) {
        const double s0 = cuts[i], s1 = cuts[i + 1];
        const Opening* hole = openingCovering(wall, s0, s1);
        if (hole == nullptr) {
            f.plasterQuad(mesh, s0, s1, 0.0, wall.height, 0.0);
            continue;
        }
        if (hole->t0 > 0.0) f.plasterQuad(mesh, s0, s1, 0.0, hole->t0, 0.0);
        if (hole->t1 < wall.height) f.plasterQuad(mesh, s0, s1, hole->t1, wall.height, 0.0);
    }
}

void addWindow(Mesh& mesh, const WallFrame& f, const Opening& o) {
    const FaceUv reveal = FaceUv::rect(layout::kWindowRevealU0, layout::kWindowRevealV0,
                                       layout::kWindowRevealU1, layout::kWindowRevealV1);
    f.recessSides(mesh, o.s0, o.s1, o.t0, o.t1, kRecessDepth, reveal, true);
    f.plasterQuad(mesh, o.s0, o.s1, o.t0, o.t1, kRecessDepth);  // the painted glass
}

void addDoor(Mesh& mesh, const WallFrame& f, const Opening& o) {
    using namespace layout;
    const FaceUv frame = FaceUv::rect(0.0, kFrameWoodV0, 1.0, kFrameWoodV1);
    const FaceUv leaf = FaceUv::rect(0.0, kDoorWoodV0, 1.0, kDoorWoodV1);
    const double in0 = o.s0 + kDoorFrame, in1 = o.s1 - kDoorFrame, top = o.t1 - kDoorFrame;
    // Flush frame around the opening, wooden reveals, and the leaf at the back.
    f.uprightQuad(mesh, o.s0, in0, 0.0, o.t1, 0.0, frame);
    f.uprightQuad(mesh, in1, o.s1, 0.0, o.t1, 0.0, frame);
    f.uprightQuad(mesh, in0, in1, top, o.t1, 0.0, frame);
    f.recessSides(mesh, in0, in1, 0.0, top, kRecessDepth, frame, false);
    f.uprightQuad(mesh, in0, in1, 0.0, top, kRecessDepth, leaf);
    // Handle on the side away from the hinges.
    const Vec3 p0 = f.at(in1 - 0.45, 2.9, kRecessDepth);
    const Vec3 p1 = f.at(in1 - 0.2, 3.05, kRecessDepth - 0.14);
    addBox(mesh, {std::min(p0.x, p1.x), std::min(p0.y, p1.y), std::min(p0.z, p1.z)},
           {std::max(p0.x, p1.x), std::max(p0.y, p1.y), std::max(p0.z, p1.z)}, frame);
}

}  // namespace

void addWall(Mesh& mesh, const WallPlan& wall) {
    const WallFrame f(wall);
    addCorridorFace(mesh, f);
    for (const Opening& o : wall.openings) {
        if (o.kind == Opening::Kind::Window) {
            addWindow(mesh, f, o);
        } else {
            addDoor(mesh, f, o);
        }
    }
    // The rest of the slab, so that it is closed for the shadow pass.
    const double L = wall.length, H = wall.height, T = wall.thickness;
    const FaceUv plaster = FaceUv::planar(layout::kBay);
    addQuad(mesh, f.at(L, 0, T), f.at(0, 0, T), f.at(0, H, T), f.at(L, H, T), plaster);  // back
    addQuad(mesh, f.at(0, 0, T), f.at(0, 0, 0), f.at(0, H, 0), f.at(0, H, T), plaster);  // s = 0 end
    addQuad(mesh, f.at(L, 0, 0), f.at(L, 0, T), f.at(L, H, T), f.at(L, H, 0), plaster);  // s = L end
    addQuad(mesh, f.at(0, H, 0), f.at(L, H, 0), f.at(L, H, T), f.at(0, H, T), plaster);  // top
    addQuad(mesh, f.at(0, 0, T), f.at(L, 0, T), f.at(L, 0, 0), f.at(0, 0, 0), plaster);  // bottom
}

std::vector<Opening> windowsAlong(double length, double uOffset) {
    std::vector<Opening> out;
    // Bay k's window spans s = 12k - uOffset + 3 .. + 9.
    const double first = std::floor((uOffset) / layout::kBay) - 1.0;
    for (double k = first; k < first + 100.0; k += 1.0) {
        const double s0 = k * layout::kBay - uOffset + layout::kWindowS0;
        const double s1 = k * layout::kBay - uOffset + layout::kWindowS1;
        if (s0 > length) break;
        if (s0 >= 0.5 && s1 <= length - 0.5) {
            out.push_back({Opening::Kind::Window, s0, s1, layout::kWindowT0, layout::kWindowT1});
        }
    }
    return out;
}

}  // namespace assetgen
