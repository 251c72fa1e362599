// The benchmark's measurements, each returning its table rows.
#pragma once

#include <vector>

#include "Measure.h"
#include "app/Session.h"

namespace brindlemoor::bench {

// The benchmark's session: its lines go nowhere; each section installs the
// scripted keyboard and the clock that moves 1/60 s a frame.
app::Session& benchSession();

struct Settings {
    int runs = 5;           // repetitions for medians
    int walkFrames = 600;   // frames of the scripted walk (10 s of game time)
    int newGames = 20;      // consecutive games for the memory figure
};

std::vector<Row> memorySection(const Settings& settings);
std::vector<Row> pieceSection(const Settings& settings);
std::vector<Row> setUpSection(const Settings& settings);
std::vector<Row> frameSection(const Settings& settings);
std::vector<Row> baselineSection(const Settings& settings);
std::vector<Row> historySection(const Settings& settings);
std::vector<Row> soundSection(const Settings& settings);
std::vector<Row> keysSection(const Settings& settings);
std::vector<Row> poseSection(const Settings& settings);

// The scripted walk down the fixed 99-block corridor: each frame's time, and
// the processor time of all threads per frame.
struct WalkTimes {
    std::vector<double> frames;
    double processorPerFrame = 0.0;
};
WalkTimes walkTimes(const Settings& settings, bool shadowShading);

}  // namespace brindlemoor::bench
