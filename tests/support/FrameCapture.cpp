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
    const std::size_t i = (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)) * 3u;
    return Rgb{rgb[i], rgb[i + 1], rgb[i + 2]};
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
    frame.rgb.resize(static_cast<std::size_t>(frame.width) * static_cast<std::size_t>(frame.height) * 3u);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, frame.width, frame.height, GL_RGB, GL_UNSIGNED_BYTE, frame.rgb.data());
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
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
    for (std::size_t i = 0; i + 2 < frame.rgb.size(); i += 3) {
        const char bgr[3] = {static_cast<char>(frame.rgb[i + 2]), static_cast<char>(frame.rgb[i + 1]),
                             static_cast<char>(frame.rgb[i])};
        out.write(bgr, 3);
    }
    return static_cast<bool>(out);
}

bool readRgbTga(const std::string& path, Frame& frame) {
    io::Image image;
    if (!io::decodeTgaFile(path, image)) {
        return false;
    }
    frame.width = image.width;
    frame.height = image.height;
    frame.rgb.clear();
    for (std::size_t i = 0; i + 3 < image.rgba.size(); i += 4) {
        frame.rgb.insert(frame.rgb.end(), {image.rgba[i], image.rgba[i + 1], image.rgba[i + 2]});
    }
    return true;
}

double differingShare(const Frame& a, const Frame& b, int tolerance) {
    if (a.width != b.width || a.height != b.height || a.rgb.size() != b.rgb.size() || a.rgb.empty()) {
        return 1.0;
    }
    std::size_t differing = 0;
    for (std::size_t i = 0; i < a.rgb.size(); i += 3) {
        for (std::size_t c = 0; c < 3; ++c) {
            if (std::abs(static_cast<int>(a.rgb[i + c]) - static_cast<int>(b.rgb[i + c])) > tolerance) {
                ++differing;
                break;
            }
        }
    }
    return static_cast<double>(differing) / static_cast<double>(a.rgb.size() / 3);
}

}  // namespace brindlemoor::test
