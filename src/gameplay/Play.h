// What the rules of one game work on: the boy, the corridor, the camera that
// follows him and the game's flow, all owned elsewhere and handed in for a
// frame's work.
#pragma once

#include <glm/vec3.hpp>

#include "io/Output.h"
#include "level/Level.h"
#include "scene/Placement.h"

namespace brindlemoor::gameplay {

struct Play {
    scene::Placement& player;
    level::Level& level;
    glm::vec3& eye;
    glm::vec3& centre;
    float moveSpeed;
    bool& walking;         // he walks on by himself
    bool& newGamePending;  // the last word is done
    io::Output& out;
};

}  // namespace brindlemoor::gameplay
