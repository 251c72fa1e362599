#include "app/Camera.h"

#include "app/GameState.h"
#include "gameplay/CameraFollow.h"
#include "scene/Player.h"

namespace brindlemoor::app {

void followCamera(glm::vec3 move) {
    GameState& game = gameState;
    const int orientation = game.player ? game.player->orientation : 0;
    gameplay::followCamera(move, orientation, game.moveSpeed, game.eye, game.centre);
}

}  // namespace brindlemoor::app
