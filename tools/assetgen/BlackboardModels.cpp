// The blackboard on its stand, and the chalk text's placeholder quad.
#include "Layout.h"
#include "MeshShapes.h"
#include "Models.h"

namespace assetgen {

namespace {

using namespace layout;

const FaceUv kWood = FaceUv::rect(0.0, kWoodV0, kWoodU1, kWoodV1);

}  // namespace

Mesh blackboardModel() {
    Mesh mesh;
    // The slate: face toward +z a little behind the origin plane, so the
    // chalk text (0.22 in front, leaning back 5 degrees) always floats over it.
    const double faceZ = -0.05, backZ = -0.15;
    addRect(mesh, {-4.5, 1.0, faceZ}, {9.0, 0.0, 0.0}, {0.0, 6.0, 0.0},
            FaceUv::rect(0.0, kSlateV0, 1.0, kSlateV1));
    addRect(mesh, {4.5, 1.0, backZ}, {-9.0, 0.0, 0.0}, {0.0, 6.0, 0.0}, kWood);
    // Frame, standing proud of the slate.
    addBox(mesh, {-4.75, 0.75, -0.2}, {4.75, 1.0, 0.05}, kWood);
    addBox(mesh, {-4.75, 7.0, -0.2}, {4.75, 7.25, 0.05}, kWood);
    addBox(mesh, {-4.75, 1.0, -0.2}, {-4.5, 7.0, 0.05}, kWood);
    addBox(mesh, {4.5, 1.0, -0.2}, {4.75, 7.0, 0.05}, kWood);
    // Chalk ledge with a stick of chalk and an eraser.
    addBox(mesh, {-4.3, 0.8, 0.05}, {4.3, 0.9, 0.2}, kWood);
    addBox(mesh, {1.2, 0.9, 0.1}, {1.55, 0.96, 0.16}, FaceUv::rect(kChalkU0, 0.02, 0.98, kChalkV1 - 0.02));
    addBox(mesh, {-2.6, 0.9, 0.07}, {-1.95, 1.02, 0.18}, FaceUv::rect(kFeltU0, kFeltV0 + 0.02, 0.98, kWoodV1 - 0.02));
    // The stand: two posts behind the frame on wide feet, and a low stretcher.
    for (double side : {-1.0, 1.0}) {
        const double x0 = side < 0 ? -4.72 : 4.55, x1 = x0 + 0.17;
        addBox(mesh, {x0, 0.12, -0.34}, {x1, 7.4, -0.2}, kWood);
        addBox(mesh, {side < 0 ? -4.78 : 4.5, 0.0, -0.5}, {side < 0 ? -4.5 : 4.78, 0.12, 0.2}, kWood);
    }
    addBox(mesh, {-4.55, 0.35, -0.31}, {4.55, 0.5, -0.23}, kWood);
    return mesh;
}

Mesh blackboardTextModel() {
    // Never drawn (the text builds its own quads), but it gives the text
    // object a small box at its origin.
    Mesh mesh;
    addRect(mesh, {0.0, 0.0, 0.0}, {1.0, 0.0, 0.0}, {0.0, 1.0, 0.0}, FaceUv::rect(0.0, 0.0, 1.0, 1.0));
    return mesh;
}

}  // namespace assetgen
