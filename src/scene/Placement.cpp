#include "scene/Placement.h"

#include <glm/common.hpp>
#include <glm/gtc/matrix_transform.hpp>

#include "scene/QuarterTurns.h"

namespace brindlemoor::scene {

Placement::Placement(TypeCode code, const Box& box, const glm::mat4& initialMatrix)
    : modelMatrix(initialMatrix), typeCode(code), localBox(box) {}

void Placement::translate(float x, float y, float z) {
    modelMatrix = glm::translate(modelMatrix, glm::vec3(x, y, z));
    computeBoundingBox();
    position += toWorld(glm::vec3(x, y, z), orientation);
}

void Placement::rotate(int k) {
    if (k >= 1 && k <= 3) {
        modelMatrix = glm::rotate(modelMatrix, glm::radians(90.0f * static_cast<float>(k)), glm::vec3(0.0f, 1.0f, 0.0f));
        orientation = quarterTurns(orientation + k);
    }
    computeBoundingBox();
}

void Box::include(const glm::vec3& point) {
    lower = empty ? point : glm::min(lower, point);
    upper = empty ? point : glm::max(upper, point);
    empty = false;
}

bool overlaps(const glm::vec3& lowerA, const glm::vec3& upperA, const glm::vec3& lowerB, const glm::vec3& upperB) {
    return upperA.x > lowerB.x && upperB.x > lowerA.x && upperA.y > lowerB.y && upperB.y > lowerA.y &&
           upperA.z > lowerB.z && upperB.z > lowerA.z;
}

void Placement::computeBoundingBox() {
    if (localBox.empty) {
        boxLower = boxUpper = glm::vec4(0.0f);
        boxCentre = glm::vec3(0.0f);
        return;
    }
    // Quarter turns keep a box axis-aligned, so the world box of the model's
    // corners is the world box of all its vertices; under any other turn (the
    // leaning chalk text) it still holds them all.
    Box world;
    for (int corner = 0; corner < 8; ++corner) {
        const glm::vec3 local((corner & 1) ? localBox.upper.x : localBox.lower.x,
                              (corner & 2) ? localBox.upper.y : localBox.lower.y,
                              (corner & 4) ? localBox.upper.z : localBox.lower.z);
        world.include(glm::vec3(modelMatrix * glm::vec4(local, 1.0f)));
    }
    boxLower = glm::vec4(world.lower, 1.0f);
    boxUpper = glm::vec4(world.upper, 1.0f);
    boxCentre = (world.lower + world.upper) * 0.5f;
}

}  // namespace brindlemoor::scene
