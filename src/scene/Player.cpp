#include "scene/Player.h"

#include "gl/Uniforms.h"

namespace brindlemoor::scene {

Player::Player(const Assets& assets, const gl::ShaderProgram* program)
    : SceneObject(assets, TypeCode::Player, program) {
    position = glm::vec3(0.0f, 0.0f, 0.0f);
    for (std::size_t mesh = 0; mesh < meshCount(); ++mesh) {
        int part = boy::Hips;
        for (int p = 0; p < boy::kPartCount; ++p) {
            if (meshName(mesh) == boy::kParts[p].name) part = p;
        }
        meshParts_.push_back(part);
    }
}

void Player::update(double dt) {
    animator_.update(cue, static_cast<float>(dt), modelMatrix);
    cue.bumped = cue.hopUp = cue.cheer = false;
    cue.walked = cue.climbed = 0.0f;
}

void Player::drawPlaced(GLuint program, const char* uniform, const glm::mat4& placement, bool shadowMeshes) {
    drawPose(program, uniform, placement, animator_.pose(), shadowMeshes);
}

void Player::drawPose(GLuint program, const char* uniform, const glm::mat4& placement, const BoyPose& pose,
                      bool shadowMeshes) const {
    for (std::size_t mesh = 0; mesh < meshParts_.size(); ++mesh) {
        gl::uploadMatrix(program, uniform, placement * pose.parts[static_cast<std::size_t>(meshParts_[mesh])]);
        drawMesh(mesh, shadowMeshes);
    }
    glBindVertexArray(0);
}

}  // namespace brindlemoor::scene
