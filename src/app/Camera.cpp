#include "app/Camera.h"

#include "app/GameState.h"
#include "scene/Player.h"

namespace brindlemoor::app {

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

namespace {
// A vector in the player's own frame turned into the world, as translate does.
glm::vec3 toWorld(const glm::vec3& v, int orientation) {
    switch (orientation) {
        case 1: return {v.z, v.y, -v.x};
        case 2: return {-v.x, v.y, -v.z};
        case 3: return {-v.z, v.y, v.x};
        default: return v;
    }
}
}  // namespace

void placeCameraBehind(const glm::vec3& position, int orientation, glm::vec3& eye, glm::vec3& centre) {
    centre = position + toWorld(glm::vec3(0.0f, 2.0f, 0.0f), orientation);
    eye = position + toWorld(glm::vec3(0.0f, 2.25f, 6.0f), orientation);
}

void followCamera(glm::vec3 move) {
    GameState& game = gameState;
    const int orientation = game.player ? game.player->orientation : 0;
    followCamera(move, orientation, game.moveSpeed, game.eye, game.centre);
}

}  // namespace brindlemoor::app
