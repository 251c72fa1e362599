#include "scene/Blackboard.h"

namespace brindlemoor::scene {

const glm::mat4 Blackboard::initialMatrix{1.0f};
const std::string Blackboard::modelFile = "Resources/blackboard/models/blackboard.obj";

Blackboard::Blackboard(render::ShaderProgram* program)
    : SceneObject(initialMatrix, program, modelFile, "Resources/blackboard/images/blackboard_own.tga",
                  "Resources/blackboard/images/blackboard_own_normal.tga") {
    typeCode = "BB";
}

}  // namespace brindlemoor::scene
