// The boy's walk through a game, kept so that a later game on the same
// corridor can race it: where he was and which way he faced, every tenth of a
// second of game time (paused time left out), and its compact form in the
// history.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include <glm/vec3.hpp>

#include "io/Result.h"
#include "scene/Placement.h"

namespace brindlemoor::gameplay {

struct WalkPoint {
    glm::vec3 position{0.0f};
    int heading = 0;  // quarter turns, as the boy's orientation
};

// A walk: its points, `interval` seconds apart from game time 0.
struct Walk {
    double interval = 0.1;
    std::vector<WalkPoint> points;

    // Where the walk is at game time `clock`, between points in a straight
    // line; nothing before its start or past its end.
    std::optional<WalkPoint> at(double clock) const;
    double duration() const { return points.empty() ? 0.0 : interval * static_cast<double>(points.size() - 1); }
};

// Keeps a point each time the game clock passes the next tenth of a second.
class WalkRecorder {
public:
    void reset() { walk_ = Walk{}; }
    // Called with the game clock and the boy, at the start and after every
    // frame's motion.
    void record(double clock, const scene::Placement& boy);
    const Walk& walk() const { return walk_; }

private:
    Walk walk_;
};

// The encoded walk never takes more than this: a longer game is kept with
// fewer points a second.
constexpr std::size_t kMaxWalkBytes = 16 * 1024;

// Positions to 1/32 unit, each point as the change of its step from the step
// before (zero while he walks straight on or stands), runs of such points as
// one byte, and a checksum.
std::vector<unsigned char> encodeWalk(const Walk& walk);
// The walk, or why the bytes are not one (damaged, cut short, another format).
io::Result<Walk> decodeWalk(const std::vector<unsigned char>& bytes);

}  // namespace brindlemoor::gameplay
