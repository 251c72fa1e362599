#include "scene/Blackboard.h"

namespace brindlemoor::scene {

Blackboard::Blackboard(const Assets& assets, const gl::ShaderProgram* program)
    : SceneObject(assets, TypeCode::Blackboard, program) {}

}  // namespace brindlemoor::scene
