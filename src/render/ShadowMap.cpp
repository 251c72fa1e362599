#include "render/ShadowMap.h"

#include <glm/gtc/matrix_transform.hpp>

#include "gl/GlError.h"
#include "gl/Uniforms.h"
#include "level/Level.h"
#include "render/ScenePass.h"
#include "scene/Frustum.h"
#include "scene/SceneObject.h"
#include "scene/WorldMeasures.h"

namespace brindlemoor::render {

namespace {

// The light of the shadow pass: the second light of the window sent to the
// scene shader. Past the end of the list (the player has outrun the lights)
// the last light stands in, so nothing is read past the list.
glm::vec3 shadowLight(const level::Level& level) {
    const std::size_t lights = level.lightPositions.size() / 3;
    if (lights == 0) {
        return glm::vec3(0.0f, static_cast<float>(world::kLightHeight), 0.0f);
    }
    long long index = static_cast<long long>(level.lightIndex) + 1;
    if (index < 0) {
        index = 0;
    }
    if (index >= static_cast<long long>(lights)) {
        index = static_cast<long long>(lights) - 1;
    }
    const std::size_t at = static_cast<std::size_t>(index) * 3;
    return glm::vec3(level.lightPositions[at], level.lightPositions[at + 1], level.lightPositions[at + 2]);
}

}  // namespace

io::Result<gl::ShaderProgram> loadDepthProgram(const io::DataFolder& data, io::Output& out) {
    out.line("loading framebuffer");
    return gl::ShaderProgram::load(data, "Shader/depthShader.vert", "Shader/depthShader.frag");
}

ShadowMap::ShadowMap(gl::ShaderProgram depthProgram) : depthProgram_(std::move(depthProgram)) {
    texture_ = gl::Texture::create();
    glBindTexture(GL_TEXTURE_2D, texture_.name());
    glTexImage2D(GL_TEXTURE_2D, 0, GL_DEPTH_COMPONENT16, kShadowMapSize, kShadowMapSize, 0, GL_DEPTH_COMPONENT,
                 GL_UNSIGNED_BYTE, nullptr);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_COMPARE_MODE, GL_COMPARE_REF_TO_TEXTURE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_COMPARE_FUNC, GL_LEQUAL);

    framebuffer_ = gl::Framebuffer::create();
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_.name());
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_TEXTURE_2D, texture_.name(), 0);
    glDrawBuffer(GL_NONE);
    glReadBuffer(GL_NONE);
    complete_ = glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
}

glm::mat4 lightViewProjection(const glm::vec3& light) {
    const glm::mat4 view = glm::lookAt(light, glm::vec3(light.x, light.y - 7.0f, light.z), glm::vec3(0.0f, 0.0f, -1.0f));
    const glm::mat4 projection = glm::perspective(glm::radians(120.0f), 1.0f, 2.0f, 15.0f);
    return projection * view;
}

glm::mat4 shadowBiasMatrix() {
    return glm::mat4(0.5f, 0.0f, 0.0f, 0.0f,  //
                     0.0f, 0.5f, 0.0f, 0.0f,  //
                     0.0f, 0.0f, 0.5f, 0.0f,  //
                     0.5f, 0.5f, 0.5f, 1.0f);
}

void ShadowMap::renderShadowPass(const gl::ShaderProgram& sceneProgram, scene::SceneObject* player,
                                 level::Level& level, io::Output& out, bool cullObjects) {
    const GLuint depthProgram = depthProgram_.programHandle();
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_.name());
    glViewport(0, 0, kShadowMapSize, kShadowMapSize);
    glEnable(GL_CULL_FACE);
    glCullFace(GL_FRONT);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glUseProgram(depthProgram);
    gl::checkGlError(out, "drawBuffer");

    const glm::mat4 depthVP = lightViewProjection(shadowLight(level));
    gl::checkGlError(out, "matrix");
    gl::uploadMatrix(depthProgram, "depthVP", depthVP);
    gl::checkGlError(out, "binding depthVP");

    // What lies outside the light's view leaves no depth in the map.
    const scene::Frustum frustum(depthVP);
    const scene::Frustum* culling = cullObjects ? &frustum : nullptr;
    if (player != nullptr && (culling == nullptr || culling->mayShow(*player))) {
        player->drawPlaced(depthProgram, "objectM", player->modelMatrix, true);
    }
    level.drawObjectsForShadows(depthProgram_, culling);
    gl::checkGlError(out, "drawForShadows call");

    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    gl::checkGlError(out, "unbind framebuffer");

    const glm::mat4 depthBiasVP = shadowBiasMatrix() * depthVP;
    sceneProgram.use();
    gl::uploadMatrix(sceneProgram.programHandle(), "depthBiasVP", depthBiasVP);
    gl::checkGlError(out, "binding depthBiasVP");

    glActiveTexture(GL_TEXTURE2);
    glBindTexture(GL_TEXTURE_2D, texture_.name());
    gl::uploadInt(sceneProgram.programHandle(), "shadowMap", 2);
    gl::checkGlError(out, "shadowMap binding");
}

void ShadowMap::bindForReading() const { glBindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer_.name()); }

}  // namespace brindlemoor::render
