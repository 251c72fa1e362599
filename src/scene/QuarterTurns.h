// Quarter turns about +y, the only rotation the world knows. Headings and
// orientations count them: 0 faces -z, 1 faces -x, 2 faces +z, 3 faces +x. A
// left turn adds 1, a right turn 3, reversing 2.
#pragma once

#include <glm/vec3.hpp>

#include "scene/WorldMeasures.h"

namespace brindlemoor::scene {

inline int quarterTurns(int k) { return ((k % 4) + 4) % 4; }
inline int turnedLeft(int heading) { return quarterTurns(heading + 1); }
inline int turnedRight(int heading) { return quarterTurns(heading + 3); }
inline int reversed(int heading) { return quarterTurns(heading + 2); }

// The world direction of a vector given in the frame of an object turned by
// `orientation` quarter turns (what translate along its own axes moves it by).
inline glm::vec3 toWorld(const glm::vec3& v, int orientation) {
    switch (quarterTurns(orientation)) {
        case 1: return {v.z, v.y, -v.x};
        case 2: return {-v.x, v.y, -v.z};
        case 3: return {-v.z, v.y, v.x};
        default: return v;
    }
}

// The inverse: the own-frame vector that moves such an object by `v` in the world.
inline glm::vec3 toOwnFrame(const glm::vec3& v, int orientation) {
    return toWorld(v, quarterTurns(-orientation));
}

// The unit vector a heading walks along.
inline glm::vec3 forwardOf(int heading) { return toWorld(glm::vec3(0.0f, 0.0f, -1.0f), heading); }

inline glm::vec3 toGlm(const world::Vec3d& v) {
    return {static_cast<float>(v.x), static_cast<float>(v.y), static_cast<float>(v.z)};
}

}  // namespace brindlemoor::scene
