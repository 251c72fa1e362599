#include "scene/Player.h"

namespace brindlemoor::scene {

Player::Player(const Assets& assets, const gl::ShaderProgram* program)
    : SceneObject(assets, TypeCode::Player, program) {
    position = glm::vec3(0.0f, 0.0f, 0.0f);
}

}  // namespace brindlemoor::scene
