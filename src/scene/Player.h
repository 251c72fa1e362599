// The boy the player steers, seen from behind; he walks toward -z when unturned.
#pragma once

#include "scene/SceneObject.h"

namespace brindlemoor::scene {

class Player : public SceneObject {
public:
    // Built with the current scene program of the game, whatever is passed.
    explicit Player(render::ShaderProgram* program);
    void update(double) override {}

    static const glm::mat4 initialMatrix;
    static const std::string modelFile;
};

}  // namespace brindlemoor::scene
