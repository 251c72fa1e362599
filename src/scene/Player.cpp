#include "scene/Player.h"

#include "app/GameState.h"

namespace brindlemoor::scene {

const glm::mat4 Player::initialMatrix{1.0f};
const std::string Player::modelFile = "Resources/boy/boy.obj";

Player::Player(render::ShaderProgram*)
    : SceneObject(initialMatrix, app::gameState.sceneProgram.get(), modelFile,
                  "Resources/boy/images/boy_texture.tga", "Resources/boy/images/boy_normal.tga") {
    typeCode = "P";
    position = glm::vec3(0.0f, 0.0f, 0.0f);
}

}  // namespace brindlemoor::scene
