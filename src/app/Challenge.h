// The challenge fitted to the player: the adaptive pace, the ghost of the
// best run on a corridor played before, and the corridor of the day. The
// session owns one; each new game starts its part, the frame loop moves its
// clock, the rules' events change the pace, and the last word hands the run
// to the statistics.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <glm/mat4x4.hpp>

#include "app/Statistics.h"
#include "gameplay/GhostWalk.h"
#include "gameplay/Pace.h"
#include "render/ScenePass.h"
#include "scene/BoyAnimation.h"

namespace brindlemoor::app {

class Session;

// A finished run kept to be raced again on its corridor.
struct GhostRun {
    std::int64_t playedAt = 0;  // seconds since 1970
    int score = 0;
    double runSeconds = 0.0;    // game time from the start to the last word
    std::vector<unsigned char> walk;
    bool thisSession = false;   // finished in this session (it has no date of its own)
};
// More points, then less time.
bool betterRun(const GhostRun& a, const GhostRun& b);

struct Challenge {
    // The session's: the day of `--daily` (empty without), the best runs
    // known by corridor key, and whether those are all there is (a recorded
    // or replayed session never asks the history during play).
    std::string daily;
    std::map<std::string, GhostRun> ghosts;
    bool ghostsFixed = false;

    // The game's: its corridor key (empty when it cannot be played again),
    // its clock (motion time: pauses and the game's own waits left out),
    // the pace, the walk so far, and the ghost raced.
    std::string corridor;
    double clock = 0.0;
    std::optional<gameplay::Pace> pace;
    double appliedPace = gameplay::kDesignPace;  // the pace moveSpeed stands for, F6 aside
    gameplay::WalkRecorder walk;
    std::optional<gameplay::Walk> ghost;
    GhostRun ghostRun;
    scene::BoyAnimator ghostAnimator;       // the ghost walks as the boy does
    std::optional<glm::vec3> ghostWasAt;    // the frame before
};

// The corridor of the day `date` ("2026-12-07") for the whole session: every
// game is that corridor, from a seed made of the date.
void playDaily(Session& session, const std::string& date);
// Today's date, as the corridor of the day takes it.
std::string localDate();

// The key of game `game` of the session: the same for the same layout and
// words, empty for a corridor that cannot be played again (no seed of the
// player's, or words chosen from the history).
std::string corridorKey(const Session& session, std::uint64_t game);

// At set-up, after the first word: the corridor's key, the starting pace
// ("Pace: " line) and the ghost ("Ghost: " line).
void startChallenge(Session& session);
// Each frame's motion time.
void advanceChallenge(Session& session, double seconds);
// The pace the frame's motion is split by (the design's at the fixed pace).
double motionPace(const Session& session);
// The rules' events that change the pace.
void wordCompletedForPace(Session& session);
void bumpedForPace(Session& session);
// The last word: the run as the statistics keep it; the session remembers it
// as the best run of its corridor when it is.
RunRecord finishRun(Session& session, int score);
// The ghost as the scene pass draws it, when it walks.
std::optional<render::GhostView> ghostView(const Session& session);

// The recording's header lines of all the above (the day, the past games,
// the best runs the session's games will race) and reading them back.
std::vector<std::pair<std::string, std::string>> challengeHeader(Session& session);
void readChallengeHeader(Session& session, const std::vector<std::pair<std::string, std::string>>& header);

}  // namespace brindlemoor::app
