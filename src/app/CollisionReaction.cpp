#include "app/CollisionReaction.h"

#include <iostream>
#include <string>

#include "app/Camera.h"
#include "app/GameSound.h"
#include "app/GameState.h"
#include "app/NewGame.h"
#include "app/Statistics.h"
#include "gameplay/CameraFollow.h"
#include "gameplay/MovementState.h"
#include "level/Level.h"
#include "platform/Input.h"
#include "scene/Player.h"
#include "scene/WorldMeasures.h"

namespace brindlemoor::app {

namespace {

using scene::TypeCode;

void printDebugLine(const std::string& label, const scene::Player& player) {
    std::cout << label << " currentPos: " << player.position.x << " " << player.position.y << " "
              << player.position.z << " boundingBox: " << player.boxLower.z << ", " << player.boxUpper.z
              << " rotation: " << static_cast<unsigned int>(player.orientation) << std::endl;
}

const scene::Placement* collidedObject() {
    GameState& game = gameState;
    if (!game.level || game.collidedIndex >= game.level->placements().size()) {
        return nullptr;
    }
    return game.level->placements()[game.collidedIndex];
}

}  // namespace

bool reactToCollision() {
    GameState& game = gameState;
    if (!game.player) {
        return true;
    }
    scene::Player& player = *game.player;
    const TypeCode code = game.collidedTypeCode;
    if (code == TypeCode::Blackboard && game.newGamePending) {
        game.newGamePending = false;
        platform::sleep(2.0);
        endGame();
        platform::sleep(1.0);
        setUpNewGame();
        return false;
    }
    switch (code) {
        case TypeCode::Blackboard: {
            const float push = static_cast<float>(world::kBounceDistance);
            printDebugLine("blackboard...!!!", player);
            player.translate(0.0f, 0.0f, push);
            player.rotate(0);
            followCamera(glm::vec3(0.0f, 0.0f, push));
            game.walking = false;
            player.cue.bumped = true;
            if (game.level) {
                game.level->score -= 1;
            }
            boardBumped();
            gameSound().play(audio::Sound::Bump, player.position);
            platform::sleep(1.0);
            break;
        }
        case TypeCode::StairsDown:
            printDebugLine("stairs...!!!", player);
            gameplay::startTransition(collidedObject());
            break;
        case TypeCode::StairsUp:
            printDebugLine("stairs up!!!", player);
            player.translate(0.0f, static_cast<float>(world::kStoreyHeight), static_cast<float>(world::kStairsUpStep));
            player.rotate(2);
            player.cue.hopUp = true;
            // Up one storey and turned round: the camera goes back to where it
            // stands at the start of a game, behind the turned player.
            gameplay::placeCameraBehind(player.position, player.orientation, game.eye, game.centre);
            platform::sleep(1.0);
            break;
        case TypeCode::CornerLeft:
        case TypeCode::CornerRight:
            printDebugLine("corner left", player);
            gameplay::startTransition(collidedObject());
            break;
        default: break;
    }
    return true;
}

}  // namespace brindlemoor::app
