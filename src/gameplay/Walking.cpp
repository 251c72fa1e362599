#include "gameplay/Walking.h"

#include "gameplay/CameraFollow.h"
#include "gameplay/MovementState.h"

namespace brindlemoor::gameplay {

namespace {

void movePlayerAndCamera(const glm::vec3& v, Play& play) {
    play.player.translate(v.x, v.y, v.z);
    followCamera(v, play.player.orientation, play.moveSpeed, play.eye, play.centre);
}

// A step sideways, unless the previous frame's collision blocks that side or
// it would take the boy into a wall of an end piece.
void stepSideways(float dt, bool blocked, Play& play) {
    const float dx = play.moveSpeed * dt;
    scene::Placement after = play.player;
    after.translate(dx, 0.0f, 0.0f);
    if (blocked || play.level.blocksSideways(after)) {
        return;
    }
    play.player.translate(dx, 0.0f, 0.0f);
    followCamera(glm::vec3(dt, 0.0f, 0.0f), play.player.orientation, play.moveSpeed, play.eye, play.centre);
}

}  // namespace

void moveByKeys(const platform::InputFrame& input, float dt, scene::TypeCode blocked, Play& play) {
    const MovementState& movement = movementState;
    if (movement.transitionPhase != 0) {
        return;
    }
    const float s = play.moveSpeed;
    if (!movement.godMode && play.walking) {
        movePlayerAndCamera(glm::vec3(0.0f, 0.0f, -s * dt), play);
    }
    if (input.held(platform::key::Left)) {
        stepSideways(-dt, scene::isLeftWall(blocked), play);
    }
    if (input.held(platform::key::Right)) {
        stepSideways(dt, scene::isRightWall(blocked), play);
    }
    if (input.held(platform::key::Up) && movement.godMode) {
        movePlayerAndCamera(glm::vec3(0.0f, 0.0f, -s * dt), play);
    }
    if (input.held(platform::key::Down) && movement.godMode) {
        movePlayerAndCamera(glm::vec3(0.0f, 0.0f, s * dt), play);
    }
}

}  // namespace brindlemoor::gameplay
