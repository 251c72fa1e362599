#include "app/Startup.h"

#include <iostream>

#include <ctime>
#include <utility>
#include <vector>

#include "app/CommandLine.h"
#include "app/Config.h"
#include "app/Fatal.h"
#include "app/FrameLoop.h"
#include "app/GameSound.h"
#include "app/GameState.h"
#include "app/NewGame.h"
#include "session/Recording.h"
#include "app/Statistics.h"
#include "gl/Gl.h"
#include "platform/Input.h"
#include "platform/ScriptedInput.h"
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

namespace {

// The frames of a recording, one after the other, each with its time step and
// its input, as fast as they draw; sleeps take no time.
void replayFrames(const session::Recording& recording, FrameLoop& loop) {
    platform::ManualClock clock(platform::getTime());
    platform::ScriptedKeyboard keyboard;
    platform::setClock(&clock);
    platform::setKeyboard(&keyboard);
    beginFrameLoop(loop);
    setUpNewGame();
    for (const session::RecordedFrame& frame : recording.frames) {
        if (!loop.running) {
            break;
        }
        for (const platform::KeyEvent& event : frame.events) {
            keyboard.replay(event);
        }
        clock.advance(frame.timeStep);
        loop.recordedStep = frame.timeStep;
        runFramePass(loop);
    }
    if (loop.running && !recording.finished) {
        std::cout << "The recording ends here: the game that made it stopped before its end" << std::endl;
    }
    platform::setClock(nullptr);
    platform::setKeyboard(nullptr);
}

}  // namespace

int runGame(const Options& options) {
    GameState& game = gameState;
    session::Recording replay;
    if (!options.replayFile.empty()) {
        session::RecordingRead read = session::readRecordingFile(options.replayFile);
        if (!read.ok) {
            std::cout << read.error << std::endl;
            return 2;
        }
        replay = std::move(read.recording);
        // The recorded session's settings in place of config.txt and options.
        for (const auto& [key, value] : replay.header.settings) {
            applySetting(key, value);
        }
        addedSettings().history = "off";  // a game played again is not a new game of the player's
        // Then what the command line asks for; it cannot change the game
        // (the options that would are refused with --replay).
        for (const Setting& setting : options.settings) {
            applySetting(setting.key, setting.value);
        }
        game.seeded = true;
        game.sessionSeed = replay.header.seed;
    } else {
        readConfig();
        game.seeded = options.seeded || !options.recordFile.empty();
        game.sessionSeed = options.seeded ? options.seed : static_cast<std::uint64_t>(std::time(nullptr));
    }

    if (options.stats) {
        return printHistoryReport();  // no window, no display needed
    }
    openHistory();

    session::RecordingWriter recorder;
    FrameLoop loop;
    if (!options.recordFile.empty()) {
        std::string error;
        std::vector<std::pair<std::string, std::string>> settings;
        for (const Setting& setting : settingsInForce()) {
            settings.emplace_back(setting.key, setting.value);
        }
        if (!recorder.open(options.recordFile, session::RecordingHeader{game.sessionSeed, settings}, error)) {
            std::cout << "Cannot record " << options.recordFile << ": " << error << std::endl;
            return 2;
        }
        // A recording that cannot be written on says so once; the game goes on.
        loop.onInput = [&recorder, &options, writing = true](double step,
                                                             const platform::InputFrame& input) mutable {
            std::string error;
            if (writing && !recorder.writeFrame(step, input.events, error)) {
                std::cout << "Recording stopped: " << options.recordFile << ": " << error << std::endl;
                writing = false;
            }
        };
    }

    openGameWindow();
    openGameSound();
    if (!options.replayFile.empty()) {
        replayFrames(replay, loop);
    } else {
        beginFrameLoop(loop);
        setUpNewGame();
        while (loop.running) {
            runFramePass(loop);
        }
    }
    recorder.finish();
    endGame();
    gameSound().close();
    platform::terminate();
    return 0;
}

}  // namespace brindlemoor::app
