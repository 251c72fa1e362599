// A blackboard on its stand, standing across the corridor; carries a chalk word.
#pragma once

#include "scene/SceneObject.h"

namespace brindlemoor::scene {

class Blackboard : public SceneObject {
public:
    explicit Blackboard(render::ShaderProgram* program);
    void update(double) override {}

    static const glm::mat4 initialMatrix;
    static const std::string modelFile;
};

}  // namespace brindlemoor::scene
