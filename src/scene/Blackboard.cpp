#include "scene/Blackboard.h"

namespace brindlemoor::scene {

Blackboard::Blackboard(const gl::ShaderProgram* program)
    : SceneObject(TypeCode::Blackboard, program) {
}

}  // namespace brindlemoor::scene
