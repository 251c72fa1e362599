#include "FrameCapture.h"

#include "TestOutput.h"

#include <cstdlib>
#include <fstream>

#include <glm/mat4x4.hpp>
#include <glm/vec4.hpp>

#include "app/FrameLoop.h"
#include "app/GameState.h"
#include "gl/Gl.h"
#include "gl/ShaderProgram.h"
#include "level/Level.h"
#include "io/TgaImage.h"
#include "scene/Player.h"
#include "render/ScenePass.h"
#include "render/ShadowMap.h"

namespace brindlemoor::test {

Rgb Frame::at(int x, int y) const {
    const std::size_t i = (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)) * 4u;
    return Rgb{rgba[i], rgba[i + 1], rgba[i + 2]};
}

Frame redrawAndCapture(bool cullObjects) {
    const app::GameState& game = app::gameState;
    CapturedOutput ignored;
    if (game.shadowMap) {
        game.shadowMap->renderShadowPass(*game.sceneProgram, game.player.get(), *game.level, ignored, cullObjects);
    }
    render::SceneView view = app::currentSceneView();
    view.cullObjects = cullObjects;
    render::renderScene(*game.sceneProgram, game.player.get(), game.level.get(), view);
    Frame frame;
    frame.width = game.width;
    frame.height = game.height;
    frame.rgba.resize(static_cast<std::size_t>(frame.width) * static_cast<std::size_t>(frame.height) * 4u);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, frame.width, frame.height, GL_RGBA, GL_UNSIGNED_BYTE, frame.rgba.data());
    return frame;
}

bool pixelOf(const glm::vec3& world, int& x, int& y) {
    const app::GameState& game = app::gameState;
    const glm::vec4 clip = render::projectionFor(game.width, game.height, game.frustumCulling) * game.viewMatrix *
                           glm::vec4(world, 1.0f);
    if (clip.w <= 0.0f) {
        return false;
    }
    x = static_cast<int>((clip.x / clip.w * 0.5f + 0.5f) * static_cast<float>(game.width));
    y = static_cast<int>((clip.y / clip.w * 0.5f + 0.5f) * static_cast<float>(game.height));
    return x >= 0 && y >= 0 && x < game.width && y < game.height;
}

bool writeRgbTga(const std::string& path, const Frame& frame) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) {
        return false;
    }
    const unsigned char header[18] = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                      static_cast<unsigned char>(frame.width & 255),
                                      static_cast<unsigned char>(frame.width >> 8),
                                      static_cast<unsigned char>(frame.height & 255),
                                      static_cast<unsigned char>(frame.height >> 8), 24, 0};
    out.write(reinterpret_cast<const char*>(header), 18);
    for (std::size_t i = 0; i + 3 < frame.rgba.size(); i += 4) {
        const char bgr[3] = {static_cast<char>(frame.rgba[i + 2]), static_cast<char>(frame.rgba[i + 1]),
                             static_cast<char>(frame.rgba[i])};
        out.write(bgr, 3);
    }
    return static_cast<bool>(out);
}

double differingShare(const Frame& a, const Frame& b, int tolerance) {
    if (a.width != b.width || a.height != b.height || a.rgba.size() != b.rgba.size() || a.rgba.empty()) {
        return 1.0;
    }
    std::size_t differing = 0;
    for (std::size_t i = 0; i < a.rgba.size(); i += 4) {
        for (std::size_t c = 0; c < 3; ++c) {  // alpha aside
            if (std::abs(static_cast<int>(a.rgba[i + c]) - static_cast<int>(b.rgba[i + c])) > tolerance) {
                ++differing;
                break;
            }
        }
    }
    return static_cast<double>(differing) / static_cast<double>(a.rgba.size() / 4);
}

}  // namespace brindlemoor::test
