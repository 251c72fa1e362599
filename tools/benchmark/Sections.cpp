#include "Sections.h"

#include <cstdio>
#include <memory>
#include <utility>
#include <fstream>
#include <set>
#include <streambuf>
#include <string>

#include "app/FrameLoop.h"
#include "app/FrameStages.h"
#include "app/GameState.h"
#include "app/NewGame.h"
#include "app/Session.h"
#include "render/ScenePass.h"
#include "scene/Player.h"
#include "gameplay/ScriptedTypist.h"
#include "gameplay/WordState.h"
#include "level/RandomLayout.h"
#include "gl/Gl.h"
#include "platform/ScriptedInput.h"
#include "gl/TextureUpload.h"
#include "platform/Window.h"
#include "gl/ShaderProgram.h"
#include "gl/Texture2D.h"
#include "scene/Catalogue.h"
#include "scene/ModelData.h"
#include "scene/SceneObject.h"

namespace brindlemoor::bench {

namespace {

platform::ManualClock gameClock(1000.0);
platform::ScriptedKeyboard keyboard(gameClock);

struct NullBuffer : std::streambuf {
    int overflow(int c) override { return c; }
};

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
    benchSession().input.useClock(&gameClock);
    benchSession().input.useKeyboard(&keyboard);
    app::GameState& game = app::gameState;
    game.shadowShading = shadowShading;
    game.levelPath = levelPath;
    game.levelLength = length;
    gameplay::wordState = gameplay::WordState{};  // no growth from earlier sections
}

void frame() {
    gameClock.advance(1.0 / 60.0);
    app::runFramePass(benchSession());
}

// Seconds from the start of set-up until the first frame has been drawn.
double timedSetUp() {
    const double start = nowSeconds();
    app::setUpNewGame(benchSession());
    app::beginFrameLoop(benchSession());
    frame();
    glFinish();
    return nowSeconds() - start;
}

void endQuietly() { app::endGame(benchSession()); }

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

app::Session& benchSession() {
    static NullBuffer nowhere;
    static std::ostream quiet(&nowhere);
    static io::Output out(quiet, quiet);
    static app::Session session(out, io::DataFolder());
    return session;
}

std::vector<Row> memorySection(const Settings& settings) {
    std::vector<Row> rows;
    // The same corridor every game, so that growth is the process's own and
    // not a longer corridor's.
    const std::string level = writeFixedLevel();
    configure(true, level, 99);
    timedSetUp();
    for (int i = 0; i < 100; ++i) {
        frame();
    }
    rows.push_back({"peak resident memory, 99-block level (shadow)", peakResidentMiB(), "MiB", "<= 200"});
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
    std::remove(level.c_str());
    return rows;
}

namespace {

double secondsPerPiece(scene::TypeCode code, gl::ShaderProgram* program, int count) {
    std::vector<std::unique_ptr<scene::SceneObject>> pieces;
    const scene::Assets assets = benchSession().assets();
    const double start = nowSeconds();
    for (int i = 0; i < count; ++i) {
        pieces.push_back(scene::makeObject(assets, code, program));
    }
    glFinish();
    return (nowSeconds() - start) / count;
}

}  // namespace

std::vector<Row> pieceSection(const Settings& settings) {
    io::Result<gl::ShaderProgram> loaded =
        gl::ShaderProgram::load(benchSession().data, app::kShadowVertexShader, app::kShadowFragmentShader);
    gl::ShaderProgram* program = &loaded.value();
    const int count = settings.runs * 10;
    std::vector<Row> rows;
    std::vector<double> all;
    for (const scene::CatalogueEntry& entry : scene::catalogue()) {
        if (entry.code == scene::TypeCode::Text) {
            continue;  // chalk texts are built per word, not loaded per piece
        }
        const std::string name = entry.className;
        benchSession().models.clear();
        benchSession().images.clear();
        const double first = secondsPerPiece(entry.code, program, 1);  // parses the model and decodes its images
        const double next = secondsPerPiece(entry.code, program, count);
        all.push_back(next);
        rows.push_back({std::string("load one piece: ") + name + " (first / each further)", first * 1000.0, "ms",
                        "each further " + std::to_string(next * 1000.0).substr(0, 5) + " ms, <= 2"});
    }
    rows.push_back({"load one piece, median over the classes", median(all) * 1000.0, "ms", "<= 2"});
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
                            median(times) * 1000.0, "ms", blocks == 99 ? "<= 150" : ""});
        }
    }
    return rows;
}

namespace {

// Frame times of one scripted walk. With `split`, every stage is finished
// before the next starts so that its time can be told apart; without, the
// driver overlaps its work as it does in play. With a `ghost`, the pace is
// adaptive and the ghost walks it, and what the ghost adds to the scene pass
// and its placing are timed after each frame.
struct Walk {
    std::vector<double> total, shadowPass, scenePass, rest, ghostDraw, ghostPlace;
    double processorPerFrame = 0.0;
    gameplay::Walk walked;
};

Walk walk(const Settings& settings, bool split, const gameplay::Walk* ghost = nullptr) {
    Walk result;
    app::Session& session = benchSession();
    session.settings.adaptivePace = ghost != nullptr;
    timedSetUp();
    if (ghost != nullptr) {
        session.challenge.ghost = *ghost;
    }
    session.stageListener = split ? recordStage : nullptr;
    const double processorStart = processorSeconds();
    {
        gameplay::ScriptedTypist typist(12);  // five letters a second keep the boy walking
        for (int i = 0; i < settings.walkFrames; ++i) {
            typist.act(keyboard);
            const double start = nowSeconds();
            frame();
            const double frameTime = nowSeconds() - start;
            result.total.push_back(frameTime);
            if (ghost != nullptr) {
                // The scene pass of this frame again without the ghost and
                // with it (in turn first), each finished: the difference is
                // the ghost's share of a frame.
                const render::SceneView plain = app::currentSceneView();
                render::SceneView raced = plain;
                raced.ghost = app::ghostView(session);
                auto scenePass = [&](const render::SceneView& view) {
                    glFinish();
                    const double begin = nowSeconds();
                    render::renderScene(*app::gameState.sceneProgram, app::gameState.player.get(),
                                        app::gameState.level.get(), view);
                    glFinish();
                    return nowSeconds() - begin;
                };
                const double first = scenePass(i % 2 == 0 ? plain : raced);
                const double second = scenePass(i % 2 == 0 ? raced : plain);
                result.ghostDraw.push_back(i % 2 == 0 ? second - first : first - second);
                const double placing = nowSeconds();
                (void)app::ghostView(session);
                result.ghostPlace.push_back(nowSeconds() - placing);
            }
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
    result.walked = session.challenge.walk.walk();
    session.stageListener = nullptr;
    session.settings.adaptivePace = false;
    endQuietly();
    return result;
}

}  // namespace

WalkTimes walkTimes(const Settings& settings, bool shadowShading) {
    const std::string level = writeFixedLevel();
    configure(shadowShading, level, 99);
    const Walk play = walk(settings, false);
    std::remove(level.c_str());
    return {play.total, play.processorPerFrame};
}

std::vector<Row> frameSection(const Settings& settings) {
    std::vector<Row> rows;
    const std::string level = writeFixedLevel();
    for (bool shadow : {true, false}) {
        configure(shadow, level, 99);
        const Walk play = walk(settings, false);
        configure(shadow, level, 99);
        const Walk split = walk(settings, true);
        const std::string mode = modeName(shadow);
        const double med = median(play.total) * 1000.0;
        const std::string size = std::to_string(app::gameState.width) + "x" + std::to_string(app::gameState.height);
        rows.push_back({"frame time median, 99 blocks " + size + " (" + mode + ")", med, "ms", "<= 16.7"});
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
        // The same walk raced by the ghost of the first one, at the adaptive pace.
        configure(shadow, level, 99);
        const Walk raced = walk(settings, false, &play.walked);
        rows.push_back({"frame time median with pace and ghost (" + mode + ")", median(raced.total) * 1000.0, "ms", ""});
        rows.push_back({"  the ghost in the scene pass, median (" + mode + ")", median(raced.ghostDraw) * 1000.0, "ms",
                        "<= 1"});
        rows.push_back({"  ghost placed, median (" + mode + ")", median(raced.ghostPlace) * 1000.0, "ms", ""});
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
        app::Session& session = benchSession();
        session.models.clear();
        session.images.clear();
        const double start = nowSeconds();
        std::set<std::string> textures;
        for (const scene::CatalogueEntry& entry : scene::catalogue()) {
            (void)session.models.import(entry.model);
            textures.insert(entry.colorTexture);
            textures.insert(entry.normalTexture);
        }
        for (const std::string& path : textures) {
            gl::loadTexture(session.images, session.data.path(path));  // decoded, its levels built, uploaded, and deleted again
        }
        glFinish();
        loads.push_back(nowSeconds() - start);
    }
    rows.push_back({"baseline: every distinct model and texture loaded once", median(loads) * 1000.0, "ms", ""});
    return rows;
}

}  // namespace brindlemoor::bench
