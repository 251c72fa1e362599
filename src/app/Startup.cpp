#include "app/Startup.h"

#include <ctime>
#include <utility>

#include "app/Config.h"
#include "app/Fatal.h"
#include "app/FrameLoop.h"
#include "app/GameState.h"
#include "app/NewGame.h"
#include "app/Session.h"
#include "gl/Gl.h"
#include "platform/ScriptedInput.h"
#include "platform/Window.h"
#include "session/Replay.h"

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

void openGameWindow(Session& session, bool visible) {
    GameState& game = gameState;
    if (platform::init() == 0) {
        fatal(session.out, "Failed to init glfw");
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
        fatal(session.out, "Failed to open window");
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
        fatal(session.out, "Failed to initialize glew");
    }
    const GLenum error = glGetError();
    if (error != GL_NO_ERROR) {
        session.out.line("GL ERROR DETECTED!!! ", static_cast<unsigned int>(error));
        session.out.line("Continuing...");
    }
    replaceEntryPoint(glGenVertexArrays, "glGenVertexArrays");
    replaceEntryPoint(glBindVertexArray, "glBindVertexArray");
    replaceEntryPoint(glDeleteVertexArrays, "glDeleteVertexArrays");
    replaceEntryPoint(glGenerateMipmap, "glGenerateMipmap");
}

namespace {

// The recorded session's settings in place of config.txt's, then what the
// command line gives of those a replay lets it change.
void applyRecordedSettings(Session& session, const session::RecordingHeader& header) {
    SettingsTarget target = session.settingsTarget();
    for (const auto& [key, value] : header.settings) {
        const SettingRow* row = findSetting(key);
        if (row != nullptr && row->replay != ReplayRule::Ignored) {
            row->apply(value, target, session.out);
        }
    }
    for (const Setting& setting : session.options.settings) {
        const SettingRow* row = findSetting(setting.key);
        if (row != nullptr && row->replay == ReplayRule::Overridable) {
            row->apply(setting.value, target, session.out);
        }
    }
}

void playFrames(Session& session) {
    beginFrameLoop(session);
    setUpNewGame(session);
    while (session.loop.running) {
        runFramePass(session);
    }
}

// The frames of a recording, one after the other, each with its time step and
// its input, as fast as they draw; sleeps take no time. The player's own keys
// only end the replay, with Escape.
void replayFrames(Session& session, const session::Recording& recording) {
    platform::ManualClock clock(session.input.now());
    platform::ScriptedKeyboard keyboard(clock);
    platform::Keyboard& player = session.input.keyboard();
    session.input.useClock(&clock);
    session.input.useKeyboard(&keyboard);
    beginFrameLoop(session);
    setUpNewGame(session);
    session::replayFrames(
        recording, keyboard, clock, player,
        [&session](double step) {
            session.loop.recordedStep = step;
            runFramePass(session);
            return session.loop.running;
        },
        session.out);
    session.input.useClock(nullptr);
    session.input.useKeyboard(nullptr);
}

}  // namespace

int runGame(Session& session) {
    const Options& options = session.options;
    session::Recording replay;
    if (!options.replayFile.empty()) {
        io::Result<session::Recording> read = session::readRecordingFile(options.replayFile);
        if (!read) {
            session.out.line(read.reason());
            return 2;
        }
        replay = std::move(read.value());
        session.replaying = true;
        applyRecordedSettings(session, replay.header);
        session.seeded = true;
        session.sessionSeed = replay.header.seed;
        readChallengeHeader(session, replay.header.settings);
    } else {
        SettingsTarget target = session.settingsTarget();
        readConfig(options.configFile, options.settings, target, session.out);
        session.seeded = options.seeded || !options.recordFile.empty();
        session.sessionSeed = options.seeded ? options.seed : static_cast<std::uint64_t>(std::time(nullptr));
        if (options.daily) {
            playDaily(session, localDate());
        }
    }

    if (options.stats) {
        session.statistics.openHistory(session.settings.history);
        return session.statistics.printReport();  // no window, no display needed
    }
    // A game played again is not a new game of the player's: a replay keeps
    // no history, whatever the recording or the command line say.
    session.statistics.openHistory(session.replaying ? "off" : session.settings.history);
    if (!session.replaying) {
        session.statistics.readPast();  // a replay has them from its recording
    }

    if (!options.recordFile.empty()) {
        session::RecordingHeader header{session.sessionSeed, {}};
        for (const Setting& setting : settingsInForce(session.settingsTarget())) {
            header.settings.emplace_back(setting.key, setting.value);
        }
        for (auto& line : challengeHeader(session)) {
            header.settings.push_back(std::move(line));
        }
        const io::Result<void> opened = session.recorder.open(options.recordFile, header);
        if (!opened) {
            session.out.line("Cannot record ", options.recordFile, ": ", opened.reason());
            return 2;
        }
    }

    openGameWindow(session);
    session.sound.open(audio::AudioSettings{session.settings.sound, static_cast<int>(session.settings.volume)},
                       session.data, session.out);
    if (session.replaying) {
        replayFrames(session, replay);
    } else {
        playFrames(session);
    }
    session.recorder.finish(session.out);
    session.statistics.endSession();
    endGame(session);
    session.sound.close();
    platform::terminate();
    return 0;
}

}  // namespace brindlemoor::app
