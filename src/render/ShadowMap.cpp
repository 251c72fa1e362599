#include "render/ShadowMap.h"

#include <iostream>

#include <glm/gtc/matrix_transform.hpp>

#include "app/DepthShot.h"
#include "app/GameState.h"
#include "app/GlError.h"
#include "level/Level.h"
#include "platform/Gl.h"
#include "platform/Input.h"
#include "platform/Keys.h"
#include "render/ShaderProgram.h"
#include "render/Uniforms.h"
#include "scene/Player.h"

namespace brindlemoor::render {

unsigned int shadowMapTexture = 0;

namespace {

// The light of the shadow pass: the second light of the window sent to the
// scene shader. Past the end of the list (the player has outrun the lights)
// the last light stands in, so nothing is read past the list.
glm::vec3 shadowLight(const level::Level& level) {
    const std::size_t lights = level.lightPositions.size() / 3;
    if (lights == 0) {
        return glm::vec3(0.0f, level::kLightHeight, 0.0f);
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

bool setUpShadowMap() {
    app::GameState& game = app::gameState;
    std::cout << "loading framebuffer" << std::endl;
    game.depthProgram = std::make_unique<ShaderProgram>("Shader/depthShader.vert", "Shader/depthShader.frag");

    glGenTextures(1, &shadowMapTexture);
    glBindTexture(GL_TEXTURE_2D, shadowMapTexture);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_DEPTH_COMPONENT16, kShadowMapSize, kShadowMapSize, 0, GL_DEPTH_COMPONENT,
                 GL_UNSIGNED_BYTE, nullptr);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_COMPARE_MODE, GL_COMPARE_REF_TO_TEXTURE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_COMPARE_FUNC, GL_LEQUAL);

    glGenFramebuffers(1, &game.shadowFramebuffer);
    glBindFramebuffer(GL_FRAMEBUFFER, game.shadowFramebuffer);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_TEXTURE_2D, shadowMapTexture, 0);
    glDrawBuffer(GL_NONE);
    glReadBuffer(GL_NONE);
    return glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
}

void tearDownShadowMap() {
    app::GameState& game = app::gameState;
    glDeleteFramebuffers(1, &game.shadowFramebuffer);
    game.shadowFramebuffer = 0;
    // The depth texture goes with its framebuffer; keeping it would leak one
    // texture per game.
    glDeleteTextures(1, &shadowMapTexture);
    shadowMapTexture = 0;
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

void renderShadowPass() {
    app::GameState& game = app::gameState;
    if (!game.depthProgram || !game.sceneProgram || !game.level) {
        return;
    }
    const GLuint depthProgram = game.depthProgram->programHandle;
    glBindFramebuffer(GL_FRAMEBUFFER, game.shadowFramebuffer);
    glViewport(0, 0, kShadowMapSize, kShadowMapSize);
    glEnable(GL_CULL_FACE);
    glCullFace(GL_FRONT);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glUseProgram(depthProgram);
    app::checkGlError("drawBuffer");

    const glm::mat4 depthVP = lightViewProjection(shadowLight(*game.level));
    app::checkGlError("matrix");
    uploadMatrix(depthProgram, "depthVP", depthVP);
    app::checkGlError("binding depthVP");

    if (game.player) {
        uploadMatrix(depthProgram, "objectM", game.player->modelMatrix);
        game.player->drawForShadows();
    }
    game.level->drawObjectsForShadows();
    app::checkGlError("drawForShadows call");

    if (platform::getKey(platform::key::F11) != 0) {
        app::writeDepthShot("shadowmap.tga", kShadowMapSize, kShadowMapSize);
        platform::sleep(0.2);
    }
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    app::checkGlError("unbind framebuffer");

    const glm::mat4 depthBiasVP = shadowBiasMatrix() * depthVP;
    const GLuint sceneProgram = game.sceneProgram->programHandle;
    glUseProgram(sceneProgram);
    uploadMatrix(sceneProgram, "depthBiasVP", depthBiasVP);
    app::checkGlError("binding depthBiasVP");

    glActiveTexture(GL_TEXTURE2);
    glBindTexture(GL_TEXTURE_2D, shadowMapTexture);
    uploadInt(sceneProgram, "shadowMap", 2);
    app::checkGlError("shadowMap binding");
}

}  // namespace brindlemoor::render
