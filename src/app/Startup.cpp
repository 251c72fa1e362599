#include "app/Startup.h"

#include <iostream>

#include "app/Config.h"
#include "app/Fatal.h"
#include "app/FrameLoop.h"
#include "app/GameState.h"
#include "app/NewGame.h"
#include "platform/Gl.h"
#include "platform/Window.h"

namespace brindlemoor::app {

namespace {

// Takes an entry point from the window system in place of GLEW's, keeping
// GLEW's when the window system has none.
template <class Pointer>
void replaceEntryPoint(Pointer& entry, const char* name) {
    if (platform::ProcAddress address = platform::getProcAddress(name)) {
        entry = reinterpret_cast<Pointer>(address);
    }
}

}  // namespace

void openGameWindow(bool visible) {
    GameState& game = gameState;
    if (platform::init() == 0) {
        fatal("Failed to init glfw");
    }
    if (game.antialiasing) {
        platform::openWindowHint(platform::hint::FsaaSamples, 4);
    }
    platform::openWindowHint(platform::hint::OpenglVersionMajor, 3);
    platform::openWindowHint(platform::hint::OpenglVersionMinor, 3);
    platform::openWindowHint(platform::hint::OpenglProfile, platform::hint::OpenglCoreProfile);
    platform::openWindowHint(platform::hint::Visible, visible ? 1 : 0);
    const platform::WindowMode mode = game.fullscreen ? platform::WindowMode::Fullscreen : platform::WindowMode::Window;
    if (platform::openWindow(game.width, game.height, 0, 0, 0, 0, 32, 0, mode) == 0) {
        platform::terminate();
        fatal("Failed to open window");
    }
    // A configured size of 0 opened a window of a derived size, and full
    // screen or a scaled display may give another framebuffer than asked for:
    // the viewport, projection and depth shots follow the framebuffer.
    platform::resolveWindowSize(game.width, game.height);
    int framebufferWidth = 0;
    int framebufferHeight = 0;
    platform::framebufferSize(framebufferWidth, framebufferHeight);
    if (framebufferWidth > 0 && framebufferHeight > 0) {
        game.width = framebufferWidth;
        game.height = framebufferHeight;
    }

    glewExperimental = GL_TRUE;
    if (glewInit() != GLEW_OK) {
        fatal("Failed to initialize glew");
    }
    const GLenum error = glGetError();
    if (error != GL_NO_ERROR) {
        std::cout << "GL ERROR DETECTED!!! " << static_cast<unsigned int>(error) << std::endl;
        std::cout << "Continuing..." << std::endl;
    }
    replaceEntryPoint(glGenVertexArrays, "glGenVertexArrays");
    replaceEntryPoint(glBindVertexArray, "glBindVertexArray");
    replaceEntryPoint(glDeleteVertexArrays, "glDeleteVertexArrays");
    replaceEntryPoint(glGenerateMipmap, "glGenerateMipmap");
}

int runGame() {
    readConfig();
    openGameWindow();
    FrameLoop loop;
    beginFrameLoop(loop);
    setUpNewGame();
    while (loop.running) {
        runFramePass(loop);
    }
    endGame();
    platform::terminate();
    return 0;
}

}  // namespace brindlemoor::app
