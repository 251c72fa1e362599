#include "Sections.h"

#include <cstdio>
#include <memory>
#include <utility>
#include <fstream>
#include <string>

#include "app/FrameLoop.h"
#include "app/FrameStages.h"
#include "app/GameState.h"
#include "app/NewGame.h"
#include "gameplay/WordState.h"
#include "level/RandomLayout.h"
#include "platform/Gl.h"
#include "platform/Input.h"
#include "platform/ScriptedInput.h"
#include "platform/Texture.h"
#include "platform/Window.h"
#include "render/ShaderProgram.h"
#include "scene/Blackboard.h"
#include "scene/ModelLibrary.h"
#include "scene/Player.h"
#include "scene/corridor/CorridorPieces.h"

namespace brindlemoor::bench {

namespace {

platform::ManualClock gameClock(1000.0);
platform::ScriptedKeyboard keyboard;

const char* const kModels[] = {
    "Resources/blackboard/models/blackboard.obj",      "Resources/blackboard/models/blackboard_text.obj",
    "Resources/corridor/models/ceiling.obj",           "Resources/corridor/models/floor.obj",
    "Resources/corridor/models/wall_plain_left.obj",   "Resources/corridor/models/wall_plain_right.obj",
    "Resources/corridor/models/wall_door_left.obj",    "Resources/corridor/models/wall_door_right.obj",
    "Resources/corridor/models/wall_window_left.obj",  "Resources/corridor/models/wall_window_right.obj",
    "Resources/corridor/models/Corner_left.obj",       "Resources/corridor/models/Corner_left_floor.obj",
    "Resources/corridor/models/Corner_right.obj",      "Resources/corridor/models/Corner_right_floor.obj",
    "Resources/corridor/models/stairs_down.obj",       "Resources/corridor/models/stairs_up.obj",
    "Resources/boy/boy.obj"};
const char* const kTextures[] = {
    "Resources/blackboard/images/blackboard_own.tga",     "Resources/blackboard/images/blackboard_own_normal.tga",
    "Resources/blackboard/images/crayoncrumble.tga",      "Resources/blackboard/images/crayoncrumble_normal.tga",
    "Resources/corridor/images/wall_texture_bumpmapready.tga", "Resources/corridor/images/wall_texture_normal.tga",
    "Resources/corridor/images/wall_window_texture.tga",  "Resources/corridor/images/floor.tga",
    "Resources/corridor/images/floor_normal.tga",         "Resources/corridor/images/staircase_texture.tga",
    "Resources/corridor/images/staircase_normal.tga",     "Resources/boy/images/boy_texture.tga",
    "Resources/boy/images/boy_normal.tga"};

// A fixed corridor of 99 blocks, the same on every run.
std::string writeFixedLevel() {
    unsigned int state = 12345u;
    const auto codes = level::generateLayoutCodes(99, [&state] {
        state = state * 1103515245u + 12345u;
        return static_cast<int>((state >> 16) & 0x7FFF);
    });
    const std::string path = "/tmp/brindlemoor-benchmark-level.txt";
    std::ofstream file(path, std::ios::trunc);
    for (const std::string& code : codes) {
        file << code << "\n";
    }
    return path;
}

void configure(bool shadowShading, const std::string& levelPath, int length) {
    app::GameState& game = app::gameState;
    game.shadowShading = shadowShading;
    game.levelPath = levelPath;
    game.levelLength = length;
    gameplay::wordState = gameplay::WordState{};  // no growth from earlier sections
}

app::FrameLoop loop;

void frame() {
    gameClock.advance(1.0 / 60.0);
    app::runFramePass(loop);
}

// Seconds from the start of set-up until the first frame has been drawn.
double timedSetUp() {
    QuietOutput quiet;
    const double start = nowSeconds();
    app::setUpNewGame();
    app::beginFrameLoop(loop);
    frame();
    glFinish();
    return nowSeconds() - start;
}

void endQuietly() {
    QuietOutput quiet;
    app::endGame();
}

const char* modeName(bool shadowShading) { return shadowShading ? "shadow" : "cel"; }

// Stage times of the frame being measured.
double stageTimes[4];
void recordStage(app::FrameStage stage) {
    if (stage != app::FrameStage::FrameDone) {
        glFinish();  // attribute the driver's deferred work to the stage that queued it
    }
    stageTimes[static_cast<int>(stage)] = nowSeconds();
}

}  // namespace

std::vector<Row> memorySection(const Settings& settings) {
    std::vector<Row> rows;
    platform::setClock(&gameClock);
    platform::setKeyboard(&keyboard);
    configure(true, "", 99);
    timedSetUp();
    {
        QuietOutput quiet;
        for (int i = 0; i < 100; ++i) {
            frame();
        }
    }
    rows.push_back({"peak resident memory, 99-block level (shadow)", peakResidentMiB(), "MiB", "<= 600"});
    const double afterFirst = residentMiB();
    rows.push_back({"resident memory after game 1", afterFirst, "MiB", ""});
    for (int game = 2; game <= settings.newGames; ++game) {
        endQuietly();
        timedSetUp();
    }
    const double afterLast = residentMiB();
    rows.push_back({"resident memory after game " + std::to_string(settings.newGames), afterLast, "MiB",
                    "<= " + std::to_string(static_cast<int>(afterFirst * 1.05)) + " (+5%)"});
    endQuietly();
    return rows;
}

namespace {

template <class Piece>
double secondsPerPiece(render::ShaderProgram* program, int count) {
    QuietOutput quiet;
    std::vector<std::unique_ptr<scene::SceneObject>> pieces;
    const double start = nowSeconds();
    for (int i = 0; i < count; ++i) {
        pieces.push_back(std::make_unique<Piece>(program));
    }
    glFinish();
    return (nowSeconds() - start) / count;
}

}  // namespace

std::vector<Row> pieceSection(const Settings& settings) {
    namespace corridor = scene::corridor;
    app::gameState.sceneProgram = std::make_unique<render::ShaderProgram>(app::kShadowVertexShader,
                                                                          app::kShadowFragmentShader);
    render::ShaderProgram* program = app::gameState.sceneProgram.get();
    const int count = settings.runs * 10;
    const std::pair<const char*, double (*)(render::ShaderProgram*, int)> classes[] = {
        {"Blackboard", secondsPerPiece<scene::Blackboard>},
        {"Player", secondsPerPiece<scene::Player>},
        {"Ceiling", secondsPerPiece<corridor::Ceiling>},
        {"Floor", secondsPerPiece<corridor::Floor>},
        {"Corner_left", secondsPerPiece<corridor::Corner_left>},
        {"Corner_left_floor", secondsPerPiece<corridor::Corner_left_floor>},
        {"Corner_right", secondsPerPiece<corridor::Corner_right>},
        {"Corner_right_floor", secondsPerPiece<corridor::Corner_right_floor>},
        {"Stairs_down", secondsPerPiece<corridor::Stairs_down>},
        {"Stairs_up", secondsPerPiece<corridor::Stairs_up>},
        {"Wall_door_left", secondsPerPiece<corridor::Wall_door_left>},
        {"Wall_door_right", secondsPerPiece<corridor::Wall_door_right>},
        {"Wall_plain_left", secondsPerPiece<corridor::Wall_plain_left>},
        {"Wall_plain_right", secondsPerPiece<corridor::Wall_plain_right>},
        {"Wall_window_left", secondsPerPiece<corridor::Wall_window_left>},
        {"Wall_window_right", secondsPerPiece<corridor::Wall_window_right>},
    };
    std::vector<Row> rows;
    std::vector<double> all;
    for (const auto& [name, measure] : classes) {
        scene::clearModelCache();
        platform::clearImageCache();
        const double first = measure(program, 1);  // parses the model and decodes its images
        const double next = measure(program, count);
        all.push_back(next);
        rows.push_back({std::string("load one piece: ") + name + " (first / each further)", first * 1000.0, "ms",
                        "each further " + std::to_string(next * 1000.0).substr(0, 5) + " ms, <= 2"});
    }
    rows.push_back({"load one piece, median over the classes", median(all) * 1000.0, "ms", "<= 2"});
    app::gameState.sceneProgram.reset();
    return rows;
}

std::vector<Row> setUpSection(const Settings& settings) {
    std::vector<Row> rows;
    for (bool shadow : {true, false}) {
        for (int blocks : {10, 50, 99}) {
            std::vector<double> times;
            for (int run = 0; run < settings.runs; ++run) {
                configure(shadow, "", blocks);
                times.push_back(timedSetUp());
                endQuietly();
            }
            rows.push_back({std::string("new-game set-up, ") + std::to_string(blocks) + " blocks (" +
                                modeName(shadow) + ")",
                            median(times) * 1000.0, "ms", shadow && blocks == 99 ? "<= 1000" : ""});
        }
    }
    return rows;
}

namespace {

// Frame times of one scripted walk. With `split`, every stage is finished
// before the next starts so that its time can be told apart; without, the
// driver overlaps its work as it does in play.
struct Walk {
    std::vector<double> total, shadowPass, scenePass, rest;
    double processorPerFrame = 0.0;
};

Walk walk(const Settings& settings, bool split) {
    Walk result;
    timedSetUp();
    app::setFrameStageListener(split ? recordStage : nullptr);
    const double processorStart = processorSeconds();
    {
        QuietOutput quiet;
        for (int i = 0; i < settings.walkFrames; ++i) {
            // A typist at five letters a second keeps the boy walking.
            if (i % 12 == 0) {
                const auto& words = gameplay::wordState;
                const std::size_t next = static_cast<std::size_t>(words.typedCount);
                if (next < words.currentWord.size()) {
                    keyboard.tap(words.currentWord[next]);
                }
            }
            const double start = nowSeconds();
            frame();
            const double frameTime = nowSeconds() - start;
            result.total.push_back(frameTime);
            if (split) {
                const double shadowTime = app::gameState.shadowShading ? stageTimes[1] - stageTimes[0] : 0.0;
                const double sceneTime = stageTimes[2] - stageTimes[1];
                result.shadowPass.push_back(shadowTime);
                result.scenePass.push_back(sceneTime);
                result.rest.push_back(frameTime - shadowTime - sceneTime);
            }
        }
    }
    result.processorPerFrame = (processorSeconds() - processorStart) / settings.walkFrames;
    app::setFrameStageListener(nullptr);
    endQuietly();
    return result;
}

}  // namespace

std::vector<Row> frameSection(const Settings& settings) {
    std::vector<Row> rows;
    const std::string level = writeFixedLevel();
    double shadowMedian = 0.0;
    for (bool shadow : {true, false}) {
        configure(shadow, level, 99);
        const Walk play = walk(settings, false);
        configure(shadow, level, 99);
        const Walk split = walk(settings, true);
        const std::string mode = modeName(shadow);
        const double med = median(play.total) * 1000.0;
        if (shadow) {
            shadowMedian = med;
        }
        rows.push_back({"frame time median, 99 blocks 1280x720 (" + mode + ")", med, "ms",
                        shadow ? "<= 33" : "<= " + std::to_string(static_cast<int>(shadowMedian * 4 / 3)) +
                                               " (shadow + 1/3)"});
        rows.push_back({"frame time 95th percentile (" + mode + ")", percentile(play.total, 95.0) * 1000.0, "ms", ""});
        rows.push_back({"  processor time per frame, all threads (" + mode + ")", play.processorPerFrame * 1000.0,
                        "ms", ""});
        rows.push_back({"  frame time with the stages run one by one (" + mode + ")", median(split.total) * 1000.0,
                        "ms", ""});
        if (shadow) {
            rows.push_back({"    shadow pass median (" + mode + ")", median(split.shadowPass) * 1000.0, "ms", ""});
        }
        rows.push_back({"    scene pass median (" + mode + ")", median(split.scenePass) * 1000.0, "ms", ""});
        rows.push_back({"    rest of the frame median (" + mode + ")", median(split.rest) * 1000.0, "ms", ""});
    }
    std::remove(level.c_str());
    return rows;
}

std::vector<Row> baselineSection(const Settings& settings) {
    std::vector<Row> rows;
    std::vector<double> frames;
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glViewport(0, 0, app::gameState.width, app::gameState.height);
    for (int i = 0; i < settings.walkFrames / 2; ++i) {
        const double start = nowSeconds();
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        platform::swapBuffers();
        frames.push_back(nowSeconds() - start);
    }
    rows.push_back({"baseline: empty frame (clear and swap) median", median(frames) * 1000.0, "ms", ""});

    std::vector<double> loads;
    for (int run = 0; run < settings.runs; ++run) {
        scene::clearModelCache();
        platform::clearImageCache();
        const double start = nowSeconds();
        for (const char* model : kModels) {
            scene::importModel(model);
        }
        for (const char* path : kTextures) {
            GLuint texture = 0;
            glGenTextures(1, &texture);
            glBindTexture(GL_TEXTURE_2D, texture);
            platform::loadTexture2D(path, 0);
            glGenerateMipmap(GL_TEXTURE_2D);
            glDeleteTextures(1, &texture);
        }
        glFinish();
        loads.push_back(nowSeconds() - start);
    }
    rows.push_back({"baseline: every distinct model and texture loaded once", median(loads) * 1000.0, "ms", ""});
    return rows;
}

}  // namespace brindlemoor::bench
