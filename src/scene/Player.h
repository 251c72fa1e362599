// The boy the player steers, seen from behind; he walks toward -z when unturned.
#pragma once

#include "scene/SceneObject.h"

namespace brindlemoor::scene {

class Player : public SceneObject {
public:
    Player(const Assets& assets, const gl::ShaderProgram* program);
    void update(double) override {}

};

}  // namespace brindlemoor::scene
