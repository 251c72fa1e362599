// The boy the player steers, seen from behind; he walks toward -z when unturned.
// Each part of his model is drawn with the matrix his pose gives it.
#pragma once

#include <vector>

#include "scene/BoyAnimation.h"
#include "scene/SceneObject.h"

namespace brindlemoor::scene {

class Player : public SceneObject {
public:
    Player(const Assets& assets, const gl::ShaderProgram* program);

    // Animates him from `cue` (what he did this frame), then clears its events.
    void update(double dt) override;
    void drawPlaced(GLuint program, const char* uniform, const glm::mat4& placement, bool shadowMeshes) override;
    // Draws him in any pose at any placement: each part with placement times
    // its matrix of the pose, uploaded to `uniform` of `program`.
    void drawPose(GLuint program, const char* uniform, const glm::mat4& placement, const BoyPose& pose,
                  bool shadowMeshes) const;

    const BoyAnimator& animator() const { return animator_; }

    BoyCue cue;  // filled by the game each frame before update

private:
    BoyAnimator animator_;
    std::vector<int> meshParts_;  // the rig part of each mesh (the hips for one the rig does not name)
};

}  // namespace brindlemoor::scene
