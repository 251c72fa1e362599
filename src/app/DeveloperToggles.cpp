#include "app/DeveloperToggles.h"

#include "app/DepthShot.h"
#include "app/GameState.h"
#include "app/Session.h"
#include "gameplay/MovementState.h"
#include "gl/Texture2D.h"
#include "level/Level.h"
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

void handleFunctionKeys(Session& session, const platform::InputFrame& input) {
    io::Output& out = session.out;
    GameState& game = gameState;
    auto pressed = [&input](int key) { return input.held(key); };
    if (pressed(platform::key::F2)) {
        game.showFps = !game.showFps;
        out.line((game.showFps ? "fps display on" : "fps display off"));
        session.input.sleep(kKeyPause);
    }
    if (pressed(platform::key::F3)) {
        if (game.wireframe) {
            out.line("wireframe off");
            glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
            game.wireframe = false;
        } else {
            out.line("wireframe on");
            glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
            game.wireframe = true;
        }
        session.input.sleep(kKeyPause);
    }
    if (pressed(platform::key::F4)) {
        game.samplingMode = 1 - game.samplingMode;
        out.line((game.samplingMode == 0 ? "sampling nearest" : "sampling liniear"));
        applyTextureFilter();
        session.input.sleep(kKeyPause);
    }
    if (pressed(platform::key::F5)) {
        game.mipmapMode = (game.mipmapMode + 1) % 3;
        static const char* const names[] = {"mipmap off", "mipmap nearest", "mipmap linear"};
        out.line(names[game.mipmapMode]);
        applyTextureFilter();
        session.input.sleep(kKeyPause);
    }
    if (pressed(platform::key::F6)) {
        gameplay::MovementState& movement = gameplay::movementState;
        if (movement.godMode) {
            movement.godMode = false;
            out.line("godmode off");
            game.moveSpeed *= 0.5f;
        } else {
            movement.godMode = true;
            out.line("godmode on");
            game.moveSpeed *= 2.0f;
        }
        session.input.sleep(kKeyPause);
    }
    if (pressed(platform::key::F8)) {
        game.frustumCulling = !game.frustumCulling;
        out.line((game.frustumCulling ? "view frustrum culling on" : "view frustrum culling off"));
        if (game.sceneProgram) {
            render::uploadProjection(*game.sceneProgram, game.width, game.height, game.frustumCulling);
        }
        session.input.sleep(kKeyPause);
    }
    if (pressed(platform::key::F9)) {
        out.line("flipping transparency");
        game.transparency = !game.transparency;
        session.input.sleep(kKeyPause);
    }
    // The shadow map's depth, as the shadow pass of this frame left it.
    if (pressed(platform::key::F11) && game.shadowShading && game.shadowMap) {
        game.shadowMap->bindForReading();
        writeDepthShot(out, "shadowmap.tga", render::kShadowMapSize, render::kShadowMapSize);
        glBindFramebuffer(GL_READ_FRAMEBUFFER, 0);
        session.input.sleep(kKeyPause);
    }
    if (pressed(platform::key::F12)) {
        writeDepthShot(out, "screenshot.tga", game.width, game.height);
        session.input.sleep(kKeyPause);
    }
}

}  // namespace brindlemoor::app
