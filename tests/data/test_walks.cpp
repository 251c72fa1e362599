// The scripted walks through corners and down stairs pass no wall: sampled
// along the game's curves, no triangle of the piece comes within half a unit
// of the boy's path between his knees and the top of his head.
#include <string>
#include <vector>

#include <glm/glm.hpp>
#include <gtest/gtest.h>

#include "ModelGeometry.h"
#include "scene/QuarterTurns.h"
#include "scene/WorldMeasures.h"

namespace brindlemoor::test {
namespace {

struct Segment {
    glm::vec3 p0, p1, t0, t1;
    glm::vec3 at(float t) const { return world::hermitePoint(p0, p1, t0, t1, t); }
};

// The game's walk through an unturned piece, entered at (entryX, 0, 0.3).
std::vector<Segment> gameWalk(std::vector<world::WalkSegment> plans, float entryX) {
    std::vector<Segment> walk;
    glm::vec3 start(entryX, 0, 0.3f);
    for (const world::WalkSegment& plan : plans) {
        walk.push_back({start, scene::toGlm(plan.endOffset), scene::toGlm(plan.startTangent),
                        scene::toGlm(plan.endTangent)});
        start = walk.back().p1;
    }
    return walk;
}

constexpr float kClearance = 0.5f;
constexpr float kKnee = 0.5f;  // a step or landing edge below his knees is not a wall
constexpr float kHeadTop = 1.8f;

// The closest approach of the piece to the walk, with where it happens.
struct Approach {
    float distance = 1e9f;
    glm::vec3 where{0.0f};
};

Approach closestApproach(const ModelGeometry& piece, const std::vector<Segment>& walk) {
    Approach best;
    for (const Segment& segment : walk) {
        for (int i = 0; i <= 100; ++i) {
            const glm::vec3 feet = segment.at(i / 100.0f);
            for (const Triangle& t : piece.triangles) {
                const float d = horizontalDistanceInBand(t, feet, feet.y + kKnee, feet.y + kHeadTop);
                if (d < best.distance) best = {d, feet};
            }
        }
    }
    return best;
}

std::vector<Segment> cornerWalk(float entryX, bool left) {
    return gameWalk({world::kCornerInWalk[0], left ? world::kCornerLeftOutWalk[0] : world::kCornerRightOutWalk[0]},
                    entryX);
}

TEST(DataSetWalks, SelfCheckAWallAcrossThePathIsFound) {
    ModelGeometry wall;
    wall.triangles = {{{-3, 0, -10}, {3, 0, -10}, {3, 12, -10}}};
    EXPECT_LT(closestApproach(wall, cornerWalk(0, true)).distance, 0.2f);  // within a sample step
    ModelGeometry farAway;
    farAway.triangles = {{{-3, 0, -10}, {3, 0, -10}, {3, 12, -10}}};
    for (Triangle& t : farAway.triangles) t.a.y = t.b.y = t.c.y = 5.0f;  // above his head
    EXPECT_GT(closestApproach(farAway, cornerWalk(0, true)).distance, 100.0f);
}

TEST(DataSetWalks, CornersLeaveTheWayFree) {
    for (const auto& [file, left] : {std::pair{"Corner_left.obj", true}, std::pair{"Corner_right.obj", false}}) {
        const ModelGeometry piece = loadModelGeometry(std::string("Resources/corridor/models/") + file);
        ASSERT_TRUE(piece.loaded) << file;
        // Straight in, and after stepping aside as far as the walls allow.
        for (float entryX : {-4.4f, 0.0f, 4.4f}) {
            const Approach a = closestApproach(piece, cornerWalk(entryX, left));
            EXPECT_GE(a.distance, kClearance) << file << " entered at x " << entryX << ", near (" << a.where.x
                                              << ", " << a.where.y << ", " << a.where.z << ")";
        }
    }
}

TEST(DataSetWalks, StairsDownLeaveTheWayFree) {
    const ModelGeometry piece = loadModelGeometry("Resources/corridor/models/stairs_down.obj");
    ASSERT_TRUE(piece.loaded);
    // The walk's first curve swings out toward +x, so an entry further right
    // than about x = 3 would carry him through the well's right wall whatever
    // the model; entries from the left go across the middle.
    for (float entryX : {-4.4f, 0.0f, 2.5f}) {
        const auto& plans = world::kStairsDownWalk;
        const std::vector<Segment> walk = gameWalk({plans[0][0], plans[1][0], plans[2][0]}, entryX);
        const Approach a = closestApproach(piece, walk);
        EXPECT_GE(a.distance, kClearance) << "entered at x " << entryX << ", near (" << a.where.x << ", "
                                          << a.where.y << ", " << a.where.z << ")";
    }
}

}  // namespace
}  // namespace brindlemoor::test
