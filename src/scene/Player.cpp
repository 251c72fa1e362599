#include "scene/Player.h"

namespace brindlemoor::scene {

Player::Player(const gl::ShaderProgram* program)
    : SceneObject(TypeCode::Player, program) {
    position = glm::vec3(0.0f, 0.0f, 0.0f);
}

}  // namespace brindlemoor::scene
