// The shadow map of the default shading mode: a 1024 x 1024 depth texture
// rendered each frame from the light just ahead of the player, looking
// straight down, with the depth program and framebuffer it is drawn with. One
// object per game owns all three.
#pragma once

#include <glm/mat4x4.hpp>
#include <glm/vec3.hpp>

#include "gl/Handle.h"
#include "gl/ShaderProgram.h"
#include "io/Output.h"

namespace brindlemoor::scene {
class SceneObject;
}
namespace brindlemoor::level {
class Level;
}

namespace brindlemoor::render {

constexpr int kShadowMapSize = 1024;

class ShadowMap {
public:
    // Takes the depth program and builds the depth texture and its
    // framebuffer, which is left bound.
    explicit ShadowMap(gl::ShaderProgram depthProgram);

    // Whether the framebuffer was complete when it was made.
    bool complete() const { return complete_; }
    const gl::ShaderProgram& depthProgram() const { return depthProgram_; }
    GLuint framebuffer() const { return framebuffer_.name(); }
    GLuint texture() const { return texture_.name(); }

    // The frame's depth pass of the player and the level's objects from the
    // shadow light, then hands `sceneProgram` the matrix and the texture (on
    // unit 2) it needs to look shadows up. Leaves the window's framebuffer
    // bound. With `cullObjects`, what lies outside the light's view is skipped.
    void renderShadowPass(const gl::ShaderProgram& sceneProgram, scene::SceneObject* player, level::Level& level,
                          io::Output& out, bool cullObjects = true);
    // Binds the shadow framebuffer for reading, so a depth shot shows the map.
    void bindForReading() const;

private:
    gl::ShaderProgram depthProgram_;
    gl::Texture texture_;
    gl::Framebuffer framebuffer_;
    bool complete_ = false;
};

// Prints "loading framebuffer" and builds the depth program of the shadow pass.
io::Result<gl::ShaderProgram> loadDepthProgram(const io::DataFolder& data, io::Output& out);

// The light's view-projection for a light position, and the bias matrix that
// maps its -1..1 cube to 0..1 texture coordinates.
glm::mat4 lightViewProjection(const glm::vec3& light);
glm::mat4 shadowBiasMatrix();

}  // namespace brindlemoor::render
