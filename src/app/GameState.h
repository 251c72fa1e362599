// The one process-wide record of the game: settings read from config.txt, the
// developer toggles, the game-flow flags, the objects of the current game, the
// collision result of the frame and the camera. Only src/app/ touches it; the
// layers below are handed what they need.
#pragma once

#include <memory>
#include <string>

#include <glm/mat4x4.hpp>
#include <glm/vec3.hpp>

#include "scene/TypeCode.h"

namespace brindlemoor::gl {
class ShaderProgram;
}
namespace brindlemoor::render {
class ShadowMap;
}
namespace brindlemoor::scene {
class Player;
}
namespace brindlemoor::level {
class Level;
}

namespace brindlemoor::app {

struct GameState {
    GameState();
    ~GameState();
    GameState(GameState&&) noexcept;
    GameState& operator=(GameState&&) noexcept;

    // Settings (config.txt)
    int width = 1280;
    int height = 720;
    bool fullscreen = false;
    bool shadowShading = true;
    bool antialiasing = false;
    std::string levelPath;
    int levelLength = 0;
    std::string wordListPath = "Resources/Wordlists/default.txt";

    // Developer toggles (function keys)
    float moveSpeed = 5.0f;
    bool showFps = false;
    bool wireframe = false;
    int samplingMode = 1;   // 0 nearest, 1 linear
    int mipmapMode = 2;     // 0 off, 1 nearest, 2 linear
    bool frustumCulling = false;
    bool transparency = true;

    // Game flow
    bool walking = false;
    bool newGamePending = false;
    bool paused = false;         // nothing moves and no letter is taken
    double mistakeFlash = 0.0;   // seconds the word on the board still shows a wrong letter

    // Objects of the current game; each owns its GL objects, so they can go
    // in any order.
    std::unique_ptr<scene::Player> player;
    std::unique_ptr<gl::ShaderProgram> sceneProgram;
    std::unique_ptr<level::Level> level;
    std::unique_ptr<render::ShadowMap> shadowMap;  // shadow mode: depth program, texture, framebuffer

    // Collision result of this frame
    unsigned int collidedIndex = 0;
    scene::TypeCode collidedTypeCode = scene::TypeCode::None;

    // Camera
    glm::vec3 eye{0.0f, 0.0f, 0.0f};
    glm::vec3 centre{0.0f, 0.0f, 0.0f};
    glm::vec3 up{0.0f, 0.0f, 0.0f};
    glm::mat4 viewMatrix{1.0f};

    int lightsFloor = 0;
};

// The single instance.
extern GameState gameState;

// Shader files of the two scene shading modes.
inline constexpr const char* kCelVertexShader = "Shader/celShader.vert";
inline constexpr const char* kCelFragmentShader = "Shader/celShader.frag";
inline constexpr const char* kShadowVertexShader = "Shader/LightsNormalShadowShader.vert";
inline constexpr const char* kShadowFragmentShader = "Shader/LightsNormalShadowShader.frag";

}  // namespace brindlemoor::app
