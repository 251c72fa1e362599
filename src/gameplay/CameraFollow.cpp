#include "gameplay/CameraFollow.h"

#include "scene/QuarterTurns.h"

namespace brindlemoor::gameplay {

void followCamera(glm::vec3 move, int orientation, float moveSpeed, glm::vec3& eye, glm::vec3& centre) {
    const float s = moveSpeed;
    if (move.z != 0.0f) {
        switch (orientation) {
            case 0: eye += move; centre += move; break;
            case 1: eye.x += move.z; centre.x += move.z; break;
            case 2: eye -= move; centre -= move; break;
            case 3: eye.x -= move.z; centre.x -= move.z; break;
            default: break;
        }
        return;
    }
    switch (orientation) {
        case 0: eye += move * (0.5f * s); centre += move * (0.25f * s); break;
        case 1: eye.z -= 0.5f * s * move.x; centre.z -= 0.25f * s * move.x; break;
        case 2: eye -= move * (0.5f * s); centre -= move * (0.25f * s); break;
        case 3: eye.z += 0.5f * s * move.x; centre.z += 0.25f * s * move.x; break;
        default: break;
    }
}

void placeCameraBehind(const glm::vec3& position, int orientation, glm::vec3& eye, glm::vec3& centre) {
    centre = position + scene::toWorld(scene::toGlm(world::kCameraTarget), orientation);
    eye = position + scene::toWorld(scene::toGlm(world::kCameraEye), orientation);
}

}  // namespace brindlemoor::gameplay
