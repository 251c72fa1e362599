#include "app/CollisionReaction.h"

#include <iostream>
#include <string>

#include "app/Camera.h"
#include "app/GameState.h"
#include "app/NewGame.h"
#include "gameplay/MovementState.h"
#include "level/Level.h"
#include "platform/Input.h"
#include "scene/Player.h"

namespace brindlemoor::app {

namespace {

void printDebugLine(const std::string& label, const scene::Player& player) {
    std::cout << label << " currentPos: " << player.position.x << " " << player.position.y << " "
              << player.position.z << " boundingBox: " << player.boxLower.z << ", " << player.boxUpper.z
              << " rotation: " << static_cast<unsigned int>(player.orientation) << std::endl;
}

scene::SceneObject* collidedObject() {
    GameState& game = gameState;
    if (!game.level || game.collidedIndex >= game.level->objects.size()) {
        return nullptr;
    }
    return game.level->objects[game.collidedIndex].get();
}

}  // namespace

bool reactToCollision() {
    GameState& game = gameState;
    if (!game.player) {
        return true;
    }
    scene::Player& player = *game.player;
    const std::string& code = game.collidedTypeCode;
    if (code == "BB" && game.newGamePending) {
        game.newGamePending = false;
        platform::sleep(2.0);
        endGame();
        platform::sleep(1.0);
        setUpNewGame();
        return false;
    }
    if (code == "BB") {
        printDebugLine("blackboard...!!!", player);
        player.translate(0.0f, 0.0f, 5.0f);
        player.rotate(0);
        followCamera(glm::vec3(0.0f, 0.0f, 5.0f));
        game.walking = false;
        if (game.level) {
            game.level->score -= 1;
        }
        platform::sleep(1.0);
    } else if (code == "-") {
        printDebugLine("stairs...!!!", player);
        gameplay::startTransition(collidedObject());
    } else if (code == "+") {
        printDebugLine("stairs up!!!", player);
        player.translate(0.0f, 17.8f, 1.0f);
        player.rotate(2);
        // Up one storey and turned round: the camera goes back to where it
        // stands at the start of a game, behind the turned player.
        placeCameraBehind(player.position, player.orientation, game.eye, game.centre);
        platform::sleep(1.0);
    } else if (code == "<" || code == ">") {
        printDebugLine("corner left", player);
        gameplay::startTransition(collidedObject());
    }
    return true;
}

}  // namespace brindlemoor::app
