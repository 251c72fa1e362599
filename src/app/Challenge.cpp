#include "app/Challenge.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <sstream>

#include <glm/gtc/matrix_transform.hpp>

#include "app/GameState.h"
#include "app/Session.h"
#include "io/FileBytes.h"
#include "scene/Player.h"

namespace brindlemoor::app {

namespace {

// The ghost walks this far to the right of where the best run went, so that
// the boy never hides it nor it him.
constexpr float kGhostBeside = 1.3f;
// The games of a recorded seeded session whose best runs go into the recording.
constexpr std::uint64_t kRecordedGhostGames = 16;
constexpr std::size_t kHexPerLine = 8000;
constexpr char kHexDigits[] = "0123456789abcdef";
constexpr std::size_t kLongestHashedFile = 64u << 20;

std::uint64_t fnv1a(const unsigned char* bytes, std::size_t count) {
    std::uint64_t hash = 14695981039346656037ull;
    for (std::size_t i = 0; i < count; ++i) {
        hash = (hash ^ bytes[i]) * 1099511628211ull;
    }
    return hash;
}

std::string hex(std::uint64_t value) {
    char text[24];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
    return text;
}

// The hash of a file's bytes, or "" when it cannot be read.
std::string fileHash(const std::string& path) {
    std::vector<unsigned char> bytes;
    return io::readFileBytes(path, kLongestHashedFile, bytes) ? hex(fnv1a(bytes.data(), bytes.size())) : "";
}

std::string localTime(std::int64_t seconds, const char* format) {
    const std::time_t time = static_cast<std::time_t>(seconds);
    std::tm local{};
    localtime_r(&time, &local);
    char text[32];
    std::strftime(text, sizeof text, format, &local);
    return text;
}

// The ghost's model matrix at a point of its walk, beside where the run went.
glm::mat4 placementOf(const gameplay::WalkPoint& point) {
    glm::mat4 placement = glm::translate(glm::mat4(1.0f), point.position);
    placement = glm::rotate(placement, glm::radians(90.0f * static_cast<float>(point.heading)), glm::vec3(0, 1, 0));
    return glm::translate(placement, glm::vec3(kGhostBeside, 0.0f, 0.0f));
}

// Sets the boy's speed to `pace`, keeping F6's doubling when it is on.
void applyPace(Session& session, double pace) {
    Challenge& c = session.challenge;
    GameState& game = gameState;
    const float godFactor = game.moveSpeed / static_cast<float>(c.appliedPace);  // 1 or 2, exactly
    game.moveSpeed = static_cast<float>(pace) * godFactor;
    c.appliedPace = pace;
    session.out.line("Pace: ", gameplay::paceFigure(pace));
}

static_assert(gameplay::kMaxWalkBytes <= stats::kMaxWalkBytes, "every walk the game makes is kept");

std::optional<GhostRun> historyRun(Session& session, const std::string& key) {
    stats::History* history = session.statistics.history();
    const std::optional<stats::BestRun> run = history != nullptr ? history->bestRun(key) : std::nullopt;
    if (!run) {
        return std::nullopt;
    }
    return GhostRun{run->playedAt, run->score, run->runSeconds, run->walk, false};
}

// The best run known on `key`: the history's (unless the session's are fixed)
// or one of this session's; on a tie, the session's.
std::optional<GhostRun> bestRunOn(Session& session, const std::string& key) {
    Challenge& c = session.challenge;
    std::optional<GhostRun> best = c.ghostsFixed ? std::nullopt : historyRun(session, key);
    const auto known = c.ghosts.find(key);
    if (known != c.ghosts.end() && (!best || !betterRun(*best, known->second))) {
        best = known->second;
    }
    return best;
}

void startGhost(Session& session) {
    Challenge& c = session.challenge;
    const std::optional<GhostRun> run = bestRunOn(session, c.corridor);
    if (!run) {
        return;
    }
    io::Result<gameplay::Walk> walk = gameplay::decodeWalk(run->walk);
    if (!walk) {
        session.out.line("Ghost: your best run here cannot be read (", walk.reason(), "): no ghost this time");
        return;
    }
    c.ghost = std::move(walk.value());
    c.ghostRun = *run;
    char figures[64];
    std::snprintf(figures, sizeof figures, ": score %d in %.1f s", run->score, run->runSeconds);
    session.out.line("Ghost: your best run here, played ",
                     run->thisSession ? "earlier this session" : localTime(run->playedAt, "%Y-%m-%d %H:%M"), figures);
}

}  // namespace

bool betterRun(const GhostRun& a, const GhostRun& b) {
    return a.score > b.score || (a.score == b.score && a.runSeconds < b.runSeconds);
}

void playDaily(Session& session, const std::string& date) {
    session.challenge.daily = date;
    const std::string seedText = "daily:" + date;
    session.seeded = true;
    session.sessionSeed = fnv1a(reinterpret_cast<const unsigned char*>(seedText.data()), seedText.size());
}

std::string localDate() { return localTime(static_cast<std::int64_t>(std::time(nullptr)), "%Y-%m-%d"); }

std::string corridorKey(const Session& session, std::uint64_t game) {
    const GameState& state = gameState;
    const std::string& daily = session.challenge.daily;
    // A seed the player chose (not the one a recording takes from the clock)
    // or the day's; words drawn from the history are not the same twice.
    const bool repeatable = session.options.seeded || session.replaying || !daily.empty();
    if (!session.seeded || !repeatable || (session.settings.adaptiveWords && daily.empty())) {
        return "";
    }
    std::string key = daily.empty() ? "seed:" + std::to_string(session.sessionSeed) + ":game:" + std::to_string(game)
                                    : "daily:" + daily;
    key += ":length:" + std::to_string(state.levelLength);
    if (daily.empty() && !state.levelPath.empty()) {
        const std::string level = fileHash(state.levelPath);
        key += ":level:" + (level.empty() ? std::string("missing") : level);
    } else {
        key += ":random";
    }
    std::string words = fileHash(state.wordListPath);
    if (words.empty()) {
        words = fileHash(session.data.path(state.wordListPath));
    }
    return key + ":words:" + (words.empty() ? std::string("built-in") : words);
}

void startChallenge(Session& session) {
    Challenge& c = session.challenge;
    c.corridor = corridorKey(session, session.gamesStarted);
    c.clock = 0.0;
    c.walk.reset();
    if (gameState.player) {
        c.walk.record(0.0, *gameState.player);
    }
    c.pace.reset();
    if (session.settings.adaptivePace) {
        c.pace.emplace(gameplay::startingPace(session.statistics.past().paces));
        applyPace(session, c.pace->value());
    }
    c.ghost.reset();
    c.ghostAnimator = scene::BoyAnimator{};
    c.ghostWasAt.reset();
    if (session.settings.ghost && !c.corridor.empty()) {
        startGhost(session);
    }
}

void advanceChallenge(Session& session, double seconds) {
    Challenge& c = session.challenge;
    c.clock += seconds;
    if (gameState.player) {
        c.walk.record(c.clock, *gameState.player);
    }
    const std::optional<gameplay::WalkPoint> point = c.ghost ? c.ghost->at(c.clock) : std::nullopt;
    if (!point) {
        return;
    }
    // The ghost's walk drives its legs as the boy's drives his.
    scene::BoyCue cue;
    const glm::vec3 moved = c.ghostWasAt ? point->position - *c.ghostWasAt : glm::vec3(0.0f);
    cue.walked = std::sqrt(moved.x * moved.x + moved.z * moved.z);
    cue.climbed = moved.y;
    cue.walking = cue.walked > 0.0f;
    c.ghostAnimator.update(cue, static_cast<float>(seconds), placementOf(*point));
    c.ghostWasAt = point->position;
}

double motionPace(const Session& session) {
    return session.challenge.pace ? session.challenge.pace->value() : gameplay::kDesignPace;
}

void wordCompletedForPace(Session& session) {
    Challenge& c = session.challenge;
    if (c.pace && c.pace->wordCompleted()) {
        applyPace(session, c.pace->value());
    }
}

void bumpedForPace(Session& session) {
    Challenge& c = session.challenge;
    if (c.pace && c.pace->bumped()) {
        applyPace(session, c.pace->value());
    }
}

RunRecord finishRun(Session& session, int score) {
    Challenge& c = session.challenge;
    RunRecord run;
    run.pace = c.pace ? c.pace->value() : 0.0;
    run.corridor = c.corridor;
    run.runSeconds = c.clock;
    if (c.ghost) {
        run.ghostGap = c.clock - c.ghostRun.runSeconds;
    }
    if (!c.corridor.empty()) {
        run.walk = gameplay::encodeWalk(c.walk.walk());
        const GhostRun mine{0, score, c.clock, run.walk, true};
        const auto known = c.ghosts.find(c.corridor);
        if (!run.walk.empty() && (known == c.ghosts.end() || !betterRun(known->second, mine))) {
            c.ghosts[c.corridor] = mine;
        }
    }
    return run;
}

std::optional<render::GhostView> ghostView(const Session& session) {
    const Challenge& c = session.challenge;
    const std::optional<gameplay::WalkPoint> point = c.ghost ? c.ghost->at(c.clock) : std::nullopt;
    if (!point) {
        return std::nullopt;
    }
    return render::GhostView{placementOf(*point), c.ghostAnimator.pose()};
}

std::vector<std::pair<std::string, std::string>> challengeHeader(Session& session) {
    Challenge& c = session.challenge;
    std::vector<std::pair<std::string, std::string>> lines;
    if (!c.daily.empty()) {
        lines.emplace_back("daily", c.daily);
    }
    for (const auto& [field, value] : session.statistics.past().asText()) {
        lines.emplace_back("past." + field, value);
    }
    // The runs the session's games will race, as the history has them now: a
    // seeded session reaches game k only after the games before it.
    c.ghostsFixed = true;
    for (std::uint64_t game = 0; session.settings.ghost && game < kRecordedGhostGames; ++game) {
        const std::string key = corridorKey(session, game);
        const std::optional<GhostRun> run = key.empty() ? std::nullopt : historyRun(session, key);
        if (!run) {
            break;
        }
        c.ghosts[key] = *run;
        char figures[96];
        char seconds[32];
        *std::to_chars(seconds, seconds + sizeof seconds - 1, run->runSeconds).ptr = '\0';
        std::snprintf(figures, sizeof figures, " %lld %d %s", static_cast<long long>(run->playedAt), run->score, seconds);
        lines.emplace_back("ghost", key + figures);
        std::string text;
        for (unsigned char byte : run->walk) {
            text += kHexDigits[byte >> 4];
            text += kHexDigits[byte & 0xF];
        }
        for (std::size_t at = 0; at < text.size(); at += kHexPerLine) {
            lines.emplace_back("ghost.walk", text.substr(at, kHexPerLine));
        }
        if (!c.daily.empty()) {
            break;  // every game of the day is the same corridor
        }
    }
    return lines;
}

void readChallengeHeader(Session& session, const std::vector<std::pair<std::string, std::string>>& header) {
    Challenge& c = session.challenge;
    c.ghostsFixed = true;
    GhostRun* run = nullptr;
    for (const auto& [key, value] : header) {
        if (key == "daily") {
            playDaily(session, value);
        } else if (key.rfind("past.", 0) == 0) {
            session.statistics.past().read(key.substr(5), value);
        } else if (key == "ghost") {
            // "<corridor> <played at> <score> <seconds>"; a line that is not
            // one names no run, and its walk lines go nowhere.
            std::istringstream fields(value);
            std::string corridor;
            GhostRun read;
            run = nullptr;
            if (fields >> corridor >> read.playedAt >> read.score >> read.runSeconds) {
                run = &(c.ghosts[corridor] = read);
            }
        } else if (key == "ghost.walk" && run != nullptr) {
            for (std::size_t i = 0; i + 1 < value.size(); i += 2) {
                const char* high = std::strchr(kHexDigits, value[i]);
                const char* low = std::strchr(kHexDigits, value[i + 1]);
                if (high == nullptr || low == nullptr || value[i] == '\0' || value[i + 1] == '\0') {
                    run->walk.clear();  // not a walk: the game says so when it would race it
                    run->walk.push_back(0);
                    break;
                }
                run->walk.push_back(static_cast<unsigned char>((high - kHexDigits) * 16 + (low - kHexDigits)));
            }
        }
    }
}

}  // namespace brindlemoor::app
