// Everything a run of the game owns for its whole length, made in main and
// handed down by reference: where it prints, the command line and settings,
// the data files and what is read of them once, the keyboard and clock, the
// sound, the statistics and history, the recording, and the frame loop. The
// design's three process-wide records (GameState, MovementState, WordState)
// stand beside it: a session starts them afresh, and a new game resets what
// belongs to a game in setUpNewGame.
#pragma once

#include <cstdint>

#include "app/Challenge.h"
#include "app/CommandLine.h"
#include "app/FrameLoop.h"
#include "app/FrameStages.h"
#include "app/Settings.h"
#include "app/SettingsTable.h"
#include "app/Statistics.h"
#include "audio/SoundSystem.h"
#include "gameplay/GameEvents.h"
#include "io/DataFolder.h"
#include "io/ImageCache.h"
#include "io/Output.h"
#include "platform/KeyboardAndClock.h"
#include "scene/Assets.h"
#include "scene/ModelData.h"
#include "session/Replay.h"

namespace brindlemoor::app {

class Session {
public:
    Session(io::Output& out, io::DataFolder data, Options options = {});
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    io::Output& out;
    Options options;
    Settings settings;
    io::DataFolder data;
    io::ImageCache images;
    scene::ModelCache models;
    platform::KeyboardAndClock input;
    audio::SoundSystem sound;
    Statistics statistics;
    Challenge challenge;  // the pace, the ghost and the corridor of the day
    session::Recorder recorder;
    FrameLoop loop;
    gameplay::GameEvents events;  // the rules' events of one step, reused

    // With a seed (--seed, or a recording's), game k of the session seeds its
    // corridor and its words from the seed and k, so it can be played again
    // exactly; without one, from the calendar time.
    bool seeded = false;
    std::uint64_t sessionSeed = 0;
    std::uint64_t gamesStarted = 0;
    // A replay keeps no history and writes no file of the player's.
    bool replaying = false;

    FrameStageListener stageListener = nullptr;  // the benchmark's timing marks

    scene::Assets assets() { return scene::Assets{data, images, models, out}; }
    SettingsTarget settingsTarget();
    void markStage(FrameStage stage) const {
        if (stageListener != nullptr) {
            stageListener(stage);
        }
    }
};

}  // namespace brindlemoor::app
