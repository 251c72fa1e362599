// brindlemoor_benchmark: new-game set-up time, frame time and memory of the
// game, with a baseline of what this machine cannot go below. Runs without a
// person: hidden window, scripted keyboard, a clock that advances 1/60 s per
// frame (the walk is the same on every run; the times measured are real).
//
//   brindlemoor_benchmark [--quick] [--size=WxH] [--only=SECTION]   (from the repository root)
//
// SECTION is one of memory, pieces, setup, frames, baseline, history, sound, keys, pose (for profiling one).
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>
#include <utility>

#include "Measure.h"
#include "Sections.h"
#include "app/GameState.h"
#include "app/Startup.h"
#include "platform/Window.h"

int main(int argc, char** argv) {
    using namespace brindlemoor;
    bench::Settings settings;
    std::string only;
    app::Session& session = bench::benchSession();
    app::gameState.width = 1280;
    app::gameState.height = 720;
    for (int i = 1; i < argc; ++i) {
        int width = 0;
        int height = 0;
        if (std::sscanf(argv[i], "--size=%dx%d", &width, &height) == 2 && width > 0 && height > 0) {
            app::gameState.width = width;  // to tell pixel costs from per-object costs
            app::gameState.height = height;
        }
        if (std::strncmp(argv[i], "--only=", 7) == 0) {
            only = argv[i] + 7;
        }
        if (std::strcmp(argv[i], "--quick") == 0) {
            settings.runs = 2;
            settings.walkFrames = 120;  // twenty new games stay: memory growth shows over them
        }
    }
    app::openGameWindow(session, false);
    std::vector<bench::Row> rows;
    // Memory first, so that the peak is the 99-block game's own.
    const std::pair<const char*, std::vector<bench::Row> (*)(const bench::Settings&)> sections[] = {
        {"memory", bench::memorySection}, {"pieces", bench::pieceSection}, {"setup", bench::setUpSection},
        {"frames", bench::frameSection},  {"baseline", bench::baselineSection}, {"history", bench::historySection},
        {"sound", bench::soundSection}, {"keys", bench::keysSection}, {"pose", bench::poseSection}};
    for (const auto& [name, section] : sections) {
        if (!only.empty() && only != name) {
            continue;
        }
        const auto part = section(settings);
        rows.insert(rows.end(), part.begin(), part.end());
        std::cerr << "." << std::flush;
    }
    std::cerr << "\n";
    bench::printTable(std::cout, rows);
    platform::terminate();
    return 0;
}
