// The player's boy, about 1.8 tall, feet on y = 0, facing -z: the camera sees
// him from behind, so the hair, the jumper's back and a yellow backpack are
// what makes him recognisable. Arms hang close to the body.
#include "BoyLayout.h"
#include "scene/BoyRig.h"
#include "Models.h"

namespace assetgen {

namespace {

using namespace boy;
namespace rig = brindlemoor::boy;

FaceUv areaRect(const UvArea& a) { return FaceUv::rect(a.u0, a.v0, a.u1, a.v1); }

// The stretch of an area's v from `from` to `to` (0 its bottom edge, 1 its
// top): a limb made of two tubes keeps the texture of the one it replaces.
UvArea band(const UvArea& a, double from, double to) { return {a.u0, lerp(a.v0, a.v1, from), a.u1, lerp(a.v0, a.v1, to)}; }

Mesh& part(std::vector<NamedMesh>& parts, rig::Part which) {
    return parts[static_cast<std::size_t>(which)].mesh;
}

// A leg: the thigh from the knee up into the seat, the shin from the ankle
// up into the thigh (hidden there at rest, so a bent knee shows no gap), and
// the foot: sole, shoe and sock.
void addLeg(std::vector<NamedMesh>& parts, double side) {
    const double x = 0.1 * side;
    TubeShape thigh;
    thigh.rings = {{{x, 0.46, 0.0}, 0.066, 0.066},
                   {{x * 0.95, 0.86, 0.005}, 0.088, 0.09},
                   {{x * 0.8, 0.96, 0.0}, 0.095, 0.1}};
    thigh.slices = 10;  // capped at the top too: a swung thigh shows its top below the jumper
    addTube(part(parts, side < 0 ? rig::UpperLegLeft : rig::UpperLegRight), thigh, band(kTrousers, 0.4, 1.0));

    TubeShape shin;
    shin.rings = {{{x, 0.12, 0.0}, 0.058, 0.058}, {{x, 0.46, 0.0}, 0.066, 0.066}, {{x, 0.52, 0.0}, 0.058, 0.058}};
    shin.slices = 10;
    addTube(part(parts, side < 0 ? rig::LowerLegLeft : rig::LowerLegRight), shin, band(kTrousers, 0.0, 0.47));

    Mesh& foot = part(parts, side < 0 ? rig::FootLeft : rig::FootRight);
    addTube(foot, {{{{x, 0.0, -0.045}, 0.074, 0.158}, {{x, 0.035, -0.045}, 0.074, 0.158}}, 12}, kSole);
    addEllipsoid(foot, {x, 0.035, -0.045}, {0.068, 0.085, 0.15}, 12, 3, 0.0, 90.0, kShoe, -90.0);
    addTube(foot, {{{{x, 0.08, 0.005}, 0.048, 0.048}, {{x, 0.14, 0.005}, 0.046, 0.046}}, 8, 90.0, false, false},
            kSock);
}

// An arm: the upper arm from the shoulder to the elbow, the forearm from just
// inside the upper arm to the wrist, and the hand.
void addArm(std::vector<NamedMesh>& parts, double side) {
    TubeShape upper;
    upper.rings = {{{0.205 * side, 1.395, 0.0}, 0.055, 0.058}, {{0.245 * side, 1.12, 0.012}, 0.046, 0.048}};
    upper.slices = 8;
    addTube(part(parts, side < 0 ? rig::UpperArmLeft : rig::UpperArmRight), upper, band(kSleeve, 0.0, 0.525));

    Mesh& lower = part(parts, side < 0 ? rig::LowerArmLeft : rig::LowerArmRight);
    TubeShape forearm;
    forearm.rings = {{{0.2392 * side, 1.16, 0.0103}, 0.042, 0.044},
                     {{0.245 * side, 1.12, 0.012}, 0.046, 0.048},
                     {{0.262 * side, 0.87, -0.01}, 0.04, 0.042}};
    forearm.slices = 8;
    addTube(lower, forearm, band(kSleeve, 0.45, 1.0));
    addEllipsoid(lower, {0.265 * side, 0.81, -0.012}, {0.032, 0.062, 0.045}, 8, 5, -90.0, 90.0, kSkin, 90.0);
}

// Hair: a shell just outside the head whose lower edge sits high over the
// face and low at the back of the neck.
void addHair(Mesh& mesh, Vec3 centre, Vec3 radii) {
    constexpr int kSlices = 16, kStacks = 5;
    const int base = static_cast<int>(mesh.vertices.size());
    for (int j = 0; j <= kStacks; ++j) {
        const double fv = static_cast<double>(j) / kStacks;
        for (int i = 0; i <= kSlices; ++i) {
            const double fu = static_cast<double>(i) / kSlices;
            const double phi = 90.0 + 360.0 * fu;  // seam at the front, under the fringe
            // 1 over the face (-z), 0 at the back of the head.
            const double front = (1.0 + sinDeg(phi)) * 0.5;
            const double lowest = lerp(-42.0, 28.0, front * front);
            const double lat = lerp(lowest, 90.0, fv);
            const Vec3 dir{cosDeg(lat) * cosDeg(phi), sinDeg(lat), -cosDeg(lat) * sinDeg(phi)};
            const Vec3 p{centre.x + radii.x * dir.x, centre.y + radii.y * dir.y, centre.z + radii.z * dir.z};
            const Vec3 n = normalize({dir.x / radii.x, dir.y / radii.y, dir.z / radii.z});
            mesh.add({p, n, {lerp(kHair.u0, kHair.u1, fu), lerp(kHair.v0, kHair.v1, fv)}});
        }
    }
    const int row = kSlices + 1;
    for (int j = 0; j < kStacks; ++j) {
        for (int i = 0; i < kSlices; ++i) {
            const int a = base + j * row + i;
            if (j == kStacks - 1) {
                mesh.triangle(a, a + 1, a + row + 1);
            } else {
                mesh.quad(a, a + 1, a + row + 1, a + row);
            }
        }
    }
}

void addBackpack(Mesh& mesh) {
    addBox(mesh, {-0.15, 0.98, 0.12}, {0.15, 1.36, 0.265}, areaRect(kPack));
    addBox(mesh, {-0.11, 1.01, 0.265}, {0.11, 1.16, 0.295}, areaRect(kPack));
    for (double side : {-1.0, 1.0}) {
        const double x0 = side < 0 ? -0.125 : 0.075, x1 = x0 + 0.05;
        addBox(mesh, {x0, 1.395, -0.105}, {x1, 1.43, 0.14}, areaRect(kStrap));     // over the shoulder
        addBox(mesh, {x0, 1.02, -0.135}, {x1, 1.42, -0.108}, areaRect(kStrap));    // down the chest
    }
}

}  // namespace

std::vector<NamedMesh> boyModel() {
    std::vector<NamedMesh> parts;
    for (const rig::PartInfo& info : rig::kParts) parts.push_back({info.name, Mesh{}});
    addLeg(parts, -1.0);
    addLeg(parts, 1.0);

    // The waist band belongs to the hips; the torso starts where it ends and
    // the band tapers away inside it.
    TubeShape waist;
    waist.rings = {{{0.0, 0.9, 0.0}, 0.185, 0.12}, {{0.0, 1.0, 0.0}, 0.1805, 0.1164}, {{0.0, 1.05, 0.0}, 0.165, 0.105}};
    waist.slices = 12;
    waist.capEnd = false;
    addTube(part(parts, rig::Hips), waist, band(kJumper, 0.0, 0.27));

    Mesh& torsoMesh = part(parts, rig::Torso);
    TubeShape torso;
    torso.rings = {{{0.0, 1.0, 0.0}, 0.1805, 0.1164},
                   {{0.0, 1.12, 0.0}, 0.175, 0.112},
                   {{0.0, 1.33, 0.0}, 0.205, 0.118},
                   {{0.0, 1.415, 0.0}, 0.165, 0.1},
                   {{0.0, 1.45, 0.0}, 0.075, 0.062}};
    torso.slices = 12;
    torso.capEnd = false;
    addTube(torsoMesh, torso, band(kJumper, 0.18, 1.0));
    addBackpack(torsoMesh);
    addArm(parts, -1.0);
    addArm(parts, 1.0);

    Mesh& headMesh = part(parts, rig::Head);
    addTube(headMesh,
            {{{{0.0, 1.42, 0.0}, 0.052, 0.05}, {{0.0, 1.56, -0.005}, 0.05, 0.048}}, 8, 90.0, false, false}, kSkin);
    const Vec3 head{0.0, 1.645, -0.012};
    const Vec3 headRadii{0.128, 0.15, 0.138};
    addEllipsoid(headMesh, head, headRadii, 14, 9, -90.0, 90.0, kHead, -90.0);
    addHair(headMesh, head, {0.136, 0.158, 0.147});
    for (double side : {-1.0, 1.0}) {
        addEllipsoid(headMesh, {0.127 * side, 1.635, 0.0}, {0.02, 0.038, 0.028}, 6, 4, -90.0, 90.0, kSkin, 90.0);
    }
    addEllipsoid(headMesh, {0.0, 1.625, -0.148}, {0.018, 0.026, 0.02}, 6, 4, -90.0, 90.0, kSkin, 90.0);
    return parts;
}

}  // namespace assetgen
