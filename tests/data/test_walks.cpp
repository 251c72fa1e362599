// The scripted walks through corners and down stairs pass no wall: sampled
// along the game's curves, no triangle of the piece comes within half a unit
// of the boy's path between his knees and the top of his head.
#include <string>
#include <vector>

#include <glm/glm.hpp>
#include <gtest/gtest.h>

#include "ModelGeometry.h"

namespace brindlemoor::test {
namespace {

struct Segment {
    glm::vec3 p0, p1, t0, t1;
    glm::vec3 at(float t) const {
        const float t2 = t * t, t3 = t2 * t;
        return p0 * (2 * t3 - 3 * t2 + 1) + p1 * (-2 * t3 + 3 * t2) + t0 * (t3 - 2 * t2 + t) + t1 * (t3 - t2);
    }
};

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

std::vector<Segment> cornerWalk(float entryX, float turn) {
    // turn: -1 for a left corner (toward -x), +1 for a right one.
    return {{{entryX, 0, 0.3f}, {0, 0, -18}, {0, 0, -1}, {0, 0, -1}},
            {{0, 0, -18}, {20 * turn, 0, -18}, {turn, 0, 0}, {turn, 0, 0}}};
}

TEST(DataSetWalks, SelfCheckAWallAcrossThePathIsFound) {
    ModelGeometry wall;
    wall.triangles = {{{-3, 0, -10}, {3, 0, -10}, {3, 12, -10}}};
    EXPECT_LT(closestApproach(wall, cornerWalk(0, -1)).distance, 0.2f);  // within a sample step
    ModelGeometry farAway;
    farAway.triangles = {{{-3, 0, -10}, {3, 0, -10}, {3, 12, -10}}};
    for (Triangle& t : farAway.triangles) t.a.y = t.b.y = t.c.y = 5.0f;  // above his head
    EXPECT_GT(closestApproach(farAway, cornerWalk(0, -1)).distance, 100.0f);
}

TEST(DataSetWalks, CornersLeaveTheWayFree) {
    for (const auto& [file, turn] : {std::pair{"Corner_left.obj", -1.0f}, std::pair{"Corner_right.obj", 1.0f}}) {
        const ModelGeometry piece = loadModelGeometry(std::string("Resources/corridor/models/") + file);
        ASSERT_TRUE(piece.loaded) << file;
        // Straight in, and after stepping aside as far as the walls allow.
        for (float entryX : {-4.4f, 0.0f, 4.4f}) {
            const Approach a = closestApproach(piece, cornerWalk(entryX, turn));
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
        const std::vector<Segment> walk = {
            {{entryX, 0, 0.3f}, {3, -7.9f, -30}, {10, -1, -1}, {0, -1, -1}},
            {{3, -7.9f, -30}, {-3, -7.9f, -32}, {-1, 0, 0}, {-1, 0, 0}},
            {{-3, -7.9f, -32}, {0, -17.6f, 3}, {-10, -5, -1}, {10, 5, -1}},
        };
        const Approach a = closestApproach(piece, walk);
        EXPECT_GE(a.distance, kClearance) << "entered at x " << entryX << ", near (" << a.where.x << ", "
                                          << a.where.y << ", " << a.where.z << ")";
    }
}

}  // namespace
}  // namespace brindlemoor::test
