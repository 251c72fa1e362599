#include "app/DeveloperToggles.h"

#include <iostream>

#include "app/DepthShot.h"
#include "app/GameState.h"
#include "gameplay/MovementState.h"
#include "gl/Texture2D.h"
#include "level/Level.h"
#include "platform/Input.h"
#include "platform/Keys.h"
#include "render/ScenePass.h"
#include "render/ShadowMap.h"
#include "scene/Player.h"

namespace brindlemoor::app {

namespace {

constexpr double kKeyPause = 0.2;

// The filter number combines sampling and mipmapping: 0..5.
void applyTextureFilter() {
    GameState& game = gameState;
    const int mode = game.samplingMode + 2 * game.mipmapMode;
    if (game.player) {
        glActiveTexture(GL_TEXTURE0);
        glBindTexture(GL_TEXTURE_2D, game.player->colorTexture());
        gl::applyMinFilter(mode);
    }
    if (game.level) {
        game.level->setTextureFilter(mode);
    }
}

}  // namespace

void handleFunctionKeys(const platform::InputFrame& input) {
    GameState& game = gameState;
    auto pressed = [&input](int key) { return input.held(key); };
    if (pressed(platform::key::F2)) {
        game.showFps = !game.showFps;
        std::cout << (game.showFps ? "fps display on" : "fps display off") << std::endl;
        platform::sleep(kKeyPause);
    }
    if (pressed(platform::key::F3)) {
        if (game.wireframe) {
            std::cout << "wireframe off" << std::endl;
            glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
            game.wireframe = false;
        } else {
            std::cout << "wireframe on" << std::endl;
            glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
            game.wireframe = true;
        }
        platform::sleep(kKeyPause);
    }
    if (pressed(platform::key::F4)) {
        game.samplingMode = 1 - game.samplingMode;
        std::cout << (game.samplingMode == 0 ? "sampling nearest" : "sampling liniear") << std::endl;
        applyTextureFilter();
        platform::sleep(kKeyPause);
    }
    if (pressed(platform::key::F5)) {
        game.mipmapMode = (game.mipmapMode + 1) % 3;
        static const char* const names[] = {"mipmap off", "mipmap nearest", "mipmap linear"};
        std::cout << names[game.mipmapMode] << std::endl;
        applyTextureFilter();
        platform::sleep(kKeyPause);
    }
    if (pressed(platform::key::F6)) {
        gameplay::MovementState& movement = gameplay::movementState;
        if (movement.godMode) {
            movement.godMode = false;
            std::cout << "godmode off" << std::endl;
            game.moveSpeed *= 0.5f;
        } else {
            movement.godMode = true;
            std::cout << "godmode on" << std::endl;
            game.moveSpeed *= 2.0f;
        }
        platform::sleep(kKeyPause);
    }
    if (pressed(platform::key::F8)) {
        game.frustumCulling = !game.frustumCulling;
        std::cout << (game.frustumCulling ? "view frustrum culling on" : "view frustrum culling off") << std::endl;
        if (game.sceneProgram) {
            render::uploadProjection(*game.sceneProgram, game.width, game.height, game.frustumCulling);
        }
        platform::sleep(kKeyPause);
    }
    if (pressed(platform::key::F9)) {
        std::cout << "flipping transparency" << std::endl;
        game.transparency = !game.transparency;
        platform::sleep(kKeyPause);
    }
    // The shadow map's depth, as the shadow pass of this frame left it.
    if (pressed(platform::key::F11) && game.shadowShading && game.shadowMap) {
        game.shadowMap->bindForReading();
        writeDepthShot("shadowmap.tga", render::kShadowMapSize, render::kShadowMapSize);
        glBindFramebuffer(GL_READ_FRAMEBUFFER, 0);
        platform::sleep(kKeyPause);
    }
    if (pressed(platform::key::F12)) {
        writeDepthShot("screenshot.tga", game.width, game.height);
        platform::sleep(kKeyPause);
    }
}

}  // namespace brindlemoor::app
