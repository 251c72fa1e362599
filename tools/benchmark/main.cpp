// brindlemoor_benchmark: new-game set-up time, frame time and memory of the
// game, with a baseline of what this machine cannot go below. Runs without a
// person: hidden window, scripted keyboard, a clock that advances 1/60 s per
// frame (the walk is the same on every run; the times measured are real).
//
//   brindlemoor_benchmark [--quick] [--size=WxH]     (from the repository root)
#include <cstdio>
#include <cstring>
#include <iostream>

#include "Measure.h"
#include "Sections.h"
#include "app/GameState.h"
#include "app/Startup.h"
#include "platform/Window.h"

int main(int argc, char** argv) {
    using namespace brindlemoor;
    bench::Settings settings;
    app::gameState.width = 1280;
    app::gameState.height = 720;
    for (int i = 1; i < argc; ++i) {
        int width = 0;
        int height = 0;
        if (std::sscanf(argv[i], "--size=%dx%d", &width, &height) == 2 && width > 0 && height > 0) {
            app::gameState.width = width;  // to tell pixel costs from per-object costs
            app::gameState.height = height;
        }
        if (std::strcmp(argv[i], "--quick") == 0) {
            settings.runs = 2;
            settings.walkFrames = 120;
            settings.newGames = 5;
        }
    }
    {
        bench::QuietOutput quiet;
        app::openGameWindow(false);
    }
    std::vector<bench::Row> rows;
    // Memory first, so that the peak is the 99-block game's own.
    for (auto section : {bench::memorySection, bench::pieceSection, bench::setUpSection, bench::frameSection, bench::baselineSection,
                         bench::historySection}) {
        const auto part = section(settings);
        rows.insert(rows.end(), part.begin(), part.end());
        std::cerr << "." << std::flush;
    }
    std::cerr << "\n";
    bench::printTable(std::cout, rows);
    platform::terminate();
    return 0;
}
