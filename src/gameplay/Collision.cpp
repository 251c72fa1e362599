// Collision of the player's box with the pieces near him. Only pieces within a
// region around the player are tested; the region is rebuilt when he leaves it.
#include <iostream>

#include "app/GameState.h"
#include "gameplay/MovementState.h"
#include "level/Level.h"
#include "scene/Player.h"

namespace brindlemoor::gameplay {

MovementState movementState;

void resetMovement() {
    MovementState& m = movementState;
    m.godMode = false;
    m.transitionPhase = 0;
    m.refreshPending = true;
    m.regionCentre = glm::vec3(0.0f);
    m.regionHalfSize = glm::vec3(8.0f, 5.0f, 8.0f);
    m.collidables.clear();
    m.currentFloor = 0;
}

void startTransition(scene::SceneObject* piece) {
    movementState.transitionObject = piece;
    movementState.transitionPhase = 1;
}

unsigned int testCollision(float dt) {
    app::GameState& game = app::gameState;
    MovementState& m = movementState;
    if (!game.player || !game.level) {
        return kNoCollision;
    }
    scene::Player& player = *game.player;
    const level::Level& level = *game.level;
    refreshCollidables(player, level);
    if (m.transitionPhase != 0) {
        advanceTransition(player, dt, game.moveSpeed);
    }
    if (m.godMode || m.transitionPhase != 0) {
        return kNoCollision;
    }
    for (unsigned int index : m.collidables) {
        const scene::SceneObject& object = *level.objects[index];
        // The cheap test first: most nearby pieces lie wholly ahead.
        if (player.boxUpper.z > object.boxLower.z && collidesWith(player, object)) {
            return index;
        }
    }
    return kNoCollision;
}

bool collidesWith(const scene::SceneObject& player, const scene::SceneObject& o) {
    const bool hit = o.boxUpper.z > player.boxLower.z && player.boxUpper.y > o.boxLower.y &&
                     o.boxUpper.y > player.boxLower.y && player.boxUpper.x > o.boxLower.x &&
                     o.boxUpper.x > player.boxLower.x;
    if (hit) {
        std::cout << "collide with: " << o.typeCode << " " << o.position.x << " " << o.position.y << " "
                  << o.position.z << std::endl;
        std::cout << "p: " << player.typeCode << " " << player.position.x << " " << player.position.y << " "
                  << player.position.z << std::endl;
    }
    return hit;
}

bool refreshCollidables(const scene::SceneObject& player, const level::Level& level) {
    MovementState& m = movementState;
    if (m.refreshPending) {
        m.regionCentre = player.boxCentre;
        rebuildCollidables(level);
        m.refreshPending = false;
    }
    const glm::vec3 c = m.regionCentre;
    const glm::vec3 h = m.regionHalfSize;
    const glm::vec3 q = player.boxCentre;
    bool inside = true;
    for (int a = 0; a < 3; ++a) {
        // The window is shifted by -1 on both sides: -9..+7 around the centre
        // on x and z, -6..+4 on y.
        inside = inside && c[a] - h[a] - 1.0f <= q[a] && q[a] <= c[a] + h[a] - 1.0f;
    }
    if (inside) {
        return false;
    }
    m.regionCentre = q;
    rebuildCollidables(level);
    return true;
}

void rebuildCollidables(const level::Level& level) {
    MovementState& m = movementState;
    m.collidables.clear();
    const glm::vec3 c = m.regionCentre;
    const glm::vec3 h = m.regionHalfSize;
    for (std::size_t i = 0; i < level.objects.size(); ++i) {
        const scene::SceneObject& o = *level.objects[i];
        if (o.typeCode == "C") {
            continue;
        }
        bool overlaps = true;
        for (int a = 0; a < 3; ++a) {
            overlaps = overlaps && o.boxLower[a] < c[a] + h[a] && o.boxUpper[a] > c[a] - h[a];
        }
        if (!overlaps) {
            continue;
        }
        if (o.typeCode == "F") {
            m.currentFloor = static_cast<int>(i);
            std::cout << "Current Floor = " << static_cast<unsigned int>(i) << std::endl;
        } else if (o.typeCode.empty() || o.typeCode[0] != 'F') {
            m.collidables.push_back(static_cast<unsigned int>(i));
        }
    }
    std::cout << "Collidable objects: " << std::endl;
    for (unsigned int index : m.collidables) {
        const scene::SceneObject& o = *level.objects[index];
        std::cout << o.typeCode << ": " << o.boxLower.x << " " << o.boxUpper.x << ", " << o.boxLower.y << " "
                  << o.boxUpper.y << ", " << o.boxLower.z << " " << o.boxUpper.z << std::endl;
    }
}

}  // namespace brindlemoor::gameplay
