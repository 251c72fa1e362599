// A blackboard on its stand, standing across the corridor; carries a chalk word.
#pragma once

#include "scene/SceneObject.h"

namespace brindlemoor::scene {

class Blackboard : public SceneObject {
public:
    Blackboard(const Assets& assets, const gl::ShaderProgram* program);
    void update(double) override {}

};

}  // namespace brindlemoor::scene
