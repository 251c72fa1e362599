// The boy the player steers, seen from behind; he walks toward -z when unturned.
#pragma once

#include "scene/SceneObject.h"

namespace brindlemoor::scene {

class Player : public SceneObject {
public:
    explicit Player(const gl::ShaderProgram* program);
    void update(double) override {}

};

}  // namespace brindlemoor::scene
