// The measures of the world that the game, the data-set generator and the tests
// share: corridor sizes, how far the builder moves between blocks, where lights
// and boards stand, and the walks through corners and down stairs. Plain
// constexpr doubles, so the generator (plain C++) and the game (glm, floats)
// read the same numbers.
#pragma once

namespace brindlemoor::world {

struct Vec3d {
    double x, y, z;
};

// Corridor cross-section: inner walls at x = +-5, walls 0.5 thick, floor top at
// y = 0, ceiling underside at y = 12, slabs 0.2 thick.
constexpr double kInnerHalfWidth = 5.0;
constexpr double kWallThickness = 0.5;
constexpr double kOuterHalfWidth = kInnerHalfWidth + kWallThickness;
constexpr double kCeilingHeight = 12.0;
constexpr double kSlabThickness = 0.2;

// How far the builder moves its cursor: past a straight block, past a corner
// (once along the old heading and once along the new one), up or down stairs.
constexpr double kBlockLength = 24.0;
constexpr double kCornerOffset = 17.4;
constexpr double kStoreyHeight = 17.8;

// A wall block's light and board, ahead of the block's start; the light before
// the first block; where the chalk texts wait until a word is shown.
constexpr double kLightDistance = 8.0;
constexpr double kLightHeight = 9.0;
constexpr double kBoardDistance = 12.0;
constexpr Vec3d kFirstLight{0.0, kLightHeight, 16.0};
constexpr Vec3d kChalkParking{0.0, -10.0, 0.0};
constexpr int kLightWindow = 5;  // lights sent to the scene shader at a time

// The end pieces that close the corridor behind its start and after its last
// block: this long, so the camera at the start (6 behind the boy) stands well
// inside, and the final board (12 into the last stretch) too.
constexpr double kEndPieceLength = 16.0;

// The camera at the start of a game, relative to the boy: it looks at a point
// 2 above his feet from 2.25 above and 6 behind.
constexpr Vec3d kCameraTarget{0.0, 2.0, 0.0};
constexpr Vec3d kCameraEye{0.0, 2.25, 6.0};

// A lifted board rises this far; stairs up put the boy this far into the storey
// above (and turn him round).
constexpr double kBoardLift = 4.0;
constexpr double kStairsUpStep = 1.0;
// A board bounce pushes the boy back this far.
constexpr double kBounceDistance = 5.0;

// One segment of a walk through a piece turned by f quarter turns: the tangent
// at its start, its end relative to the piece's position, the tangent there.
struct WalkSegment {
    Vec3d startTangent;
    Vec3d endOffset;
    Vec3d endTangent;
};

// Stairs down, by segment (first flight, landing, second flight back) and the
// piece's quarter turns.
constexpr WalkSegment kStairsDownWalk[3][4] = {
    {{{10, -1, -1}, {3, -7.9, -30}, {0, -1, -1}},
     {{-1, -1, -10}, {-30, -7.9, -3}, {-1, -1, 0}},
     {{-10, -1, 1}, {-3, -7.9, 30}, {0, -1, 1}},
     {{1, -1, 10}, {30, -7.9, 3}, {1, -1, 0}}},
    {{{-1, 0, 0}, {-3, -7.9, -32}, {-1, 0, 0}},
     {{0, 0, 1}, {-32, -7.9, 3}, {0, 0, 1}},
     {{1, 0, 0}, {3, -7.9, 32}, {1, 0, 0}},
     {{0, 0, -1}, {32, -7.9, -3}, {0, 0, -1}}},
    {{{-10, -5, -1}, {0, -17.6, 3}, {10, 5, -1}},
     {{1, -5, 10}, {3, -17.6, 0}, {0, 5, -10}},
     {{10, -5, 1}, {0, -17.6, -3}, {-10, 5, 0}},
     {{-1, -5, -10}, {-3, -17.6, 0}, {0, 5, 10}}},
};

// Corners: into the corner (the same for both turns), then out of it.
constexpr WalkSegment kCornerInWalk[4] = {
    {{0, 0, -1}, {0, 0, -18}, {0, 0, -1}},
    {{-1, 0, 0}, {-18, 0, 0}, {1, 0, 0}},
    {{0, 0, 1}, {0, 0, 18}, {0, 0, 1}},
    {{1, 0, 0}, {18, 0, 0}, {1, 0, 0}},
};
constexpr WalkSegment kCornerLeftOutWalk[4] = {
    {{-1, 0, 0}, {-20, 0, -18}, {-1, 0, 0}},
    {{0, 0, 1}, {-18, 0, 20}, {0, 0, 1}},
    {{1, 0, 0}, {20, 0, 18}, {1, 0, 0}},
    {{0, 0, -1}, {18, 0, -20}, {0, 0, -1}},
};
constexpr WalkSegment kCornerRightOutWalk[4] = {
    {{1, 0, 0}, {20, 0, -18}, {1, 0, 0}},
    {{0, 0, -1}, {-18, 0, -20}, {0, 0, -1}},
    {{-1, 0, 0}, {-20, 0, 18}, {-1, 0, 0}},
    {{0, 0, 1}, {18, 0, 20}, {0, 0, 1}},
};

// The cubic Hermite point at t of the segment from p0 to p1 with tangents t0
// and t1; V is any vector type with + and scalar *.
template <class V, class S>
V hermitePoint(const V& p0, const V& p1, const V& t0, const V& t1, S t) {
    const S t2 = t * t;
    const S t3 = t2 * t;
    return p0 * (2 * t3 - 3 * t2 + 1) + p1 * (-2 * t3 + 3 * t2) + t0 * (t3 - 2 * t2 + t) + t1 * (t3 - t2);
}

}  // namespace brindlemoor::world
