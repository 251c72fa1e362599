// The adaptive pace: the boy's walking speed set again at each board from how
// the player is doing, so that a typist of any speed makes most boards in time
// but not all. Faster after a board made in time, slower after a bump.
#pragma once

#include <string>
#include <vector>

namespace brindlemoor::gameplay {

// Units a second: the design's walk, and the limits of the adaptive pace.
constexpr double kDesignPace = 5.0;
constexpr double kSlowestPace = 2.5;
constexpr double kFastestPace = 30.0;
// A board made in time multiplies the pace by kFaster, a bump by kSlower. The
// pace settles where ln(1/kSlower) / (ln kFaster + ln(1/kSlower)), three boards
// in four, are made in time.
constexpr double kFaster = 1.1;
constexpr double kSlower = 0.75;
// The pace of a game starts from the end paces of this many latest games.
constexpr std::size_t kPaceStartGames = 5;

// The median of the latest end paces (0 stands for a game at the fixed pace
// and is passed over), within the limits; the design's pace with none.
double startingPace(const std::vector<double>& paces);

class Pace {
public:
    explicit Pace(double start = kDesignPace);
    double value() const { return pace_; }
    // A word on a board is complete: faster when the boy was walking toward
    // that board and had not bumped into it. True when the pace changed.
    bool wordCompleted();
    // The boy walked into the board in play. True when the pace changed.
    bool bumped();

private:
    bool change(double factor);

    double pace_;
    bool walkingToBoard_ = false;  // the first board's word is typed with the boy standing
    bool bumpedHere_ = false;
};

// "Pace: 7.5": the line printed at each change, and its figure alone.
std::string paceFigure(double pace);

// No motion step carries the boy further than this: half a unit, less than a
// board (0.7 deep) and less than the boy (0.6). At the design's pace it is a
// tenth of a second's walk.
constexpr double kLongestStepDistance = 0.5;
// The sub-steps a frame's motion of `seconds` at `pace` is split into, each
// followed by the collision test.
int motionSubsteps(double pace, double seconds);

}  // namespace brindlemoor::gameplay
