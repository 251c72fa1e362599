#include "scene/Frustum.h"

#include <glm/common.hpp>
#include <glm/geometric.hpp>

#include "scene/Placement.h"

namespace brindlemoor::scene {

namespace {
// Rounding in the matrix and in the driver's clipping must never cost a
// visible object, so a box may reach this far outside a plane (world units).
constexpr float kSlack = 1.0e-3f;
}  // namespace

Frustum::Frustum(const glm::mat4& m) {
    const glm::vec4 row[4] = {{m[0][0], m[1][0], m[2][0], m[3][0]},
                              {m[0][1], m[1][1], m[2][1], m[3][1]},
                              {m[0][2], m[1][2], m[2][2], m[3][2]},
                              {m[0][3], m[1][3], m[2][3], m[3][3]}};
    for (int axis = 0; axis < 3; ++axis) {
        planes_[2 * axis] = row[3] + row[axis];
        planes_[2 * axis + 1] = row[3] - row[axis];
    }
    for (glm::vec4& plane : planes_) {
        const float length = glm::length(glm::vec3(plane));
        if (length > 0.0f) {
            plane /= length;
        }
    }
}

bool Frustum::mayContain(const glm::vec3& lower, const glm::vec3& upper) const {
    for (const glm::vec4& plane : planes_) {
        // The corner farthest along the plane's inward normal.
        const glm::vec3 corner(plane.x >= 0.0f ? upper.x : lower.x, plane.y >= 0.0f ? upper.y : lower.y,
                               plane.z >= 0.0f ? upper.z : lower.z);
        if (glm::dot(glm::vec3(plane), corner) + plane.w < -kSlack) {
            return false;
        }
    }
    return true;
}

bool Frustum::mayShow(const Placement& object, float smallest, float largest) const {
    // Scaling about the origin o maps a world point p to o + s (p - o), so the
    // copies' boxes are the box scaled the same way, the extremes at the
    // smallest and largest factor.
    const glm::vec3 origin(object.modelMatrix[3]);
    const glm::vec3 low = glm::vec3(object.boxLower) - origin;
    const glm::vec3 high = glm::vec3(object.boxUpper) - origin;
    return mayContain(origin + glm::min(low * smallest, low * largest), origin + glm::max(high * smallest, high * largest));
}

}  // namespace brindlemoor::scene
