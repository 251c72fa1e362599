// What a camera or light can see, for skipping draws that cannot touch a
// pixel: the six planes of a view-projection matrix, tested against world
// boxes. The test is conservative: a box is only rejected when it lies wholly
// on the outer side of one plane, so whatever is kept may still be clipped, and
// nothing rejected could have been drawn.
#pragma once

#include <array>

#include <glm/mat4x4.hpp>
#include <glm/vec3.hpp>
#include <glm/vec4.hpp>

namespace brindlemoor::scene {

class Placement;

class Frustum {
public:
    // The planes of the clip volume -w <= x, y, z <= w of `viewProjection`.
    explicit Frustum(const glm::mat4& viewProjection);

    // Whether any part of the box from `lower` to `upper` can lie inside.
    bool mayContain(const glm::vec3& lower, const glm::vec3& upper) const;
    // Whether any of a placed object may show: its world box, grown to hold
    // copies scaled about its origin by every factor from `smallest` to
    // `largest` (the cel outline copies).
    bool mayShow(const Placement& object, float smallest = 1.0f, float largest = 1.0f) const;

private:
    std::array<glm::vec4, 6> planes_;  // inside where dot(xyz, p) + w >= 0, xyz of unit length
};

}  // namespace brindlemoor::scene
