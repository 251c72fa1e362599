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

TEST(DataSetWalks, CornersAndStairsDownLeaveTheWayFree) {
    const auto& stairs = world::kStairsDownWalk;
    // Straight in, and after stepping aside as far as the walls allow. The
    // stairs' first curve swings out toward +x, so an entry further right
    // than about x = 3 would carry him through the well's right wall whatever
    // the model; entries from the left go across the middle.
    const struct {
        const char* file;
        std::vector<world::WalkSegment> walk;
        std::vector<float> entries;
    } pieces[] = {
        {"Corner_left.obj", {world::kCornerInWalk[0], world::kCornerLeftOutWalk[0]}, {-4.4f, 0.0f, 4.4f}},
        {"Corner_right.obj", {world::kCornerInWalk[0], world::kCornerRightOutWalk[0]}, {-4.4f, 0.0f, 4.4f}},
        {"stairs_down.obj", {stairs[0][0], stairs[1][0], stairs[2][0]}, {-4.4f, 0.0f, 2.5f}},
    };
    for (const auto& piece : pieces) {
        const ModelGeometry model = loadModelGeometry(std::string("Resources/corridor/models/") + piece.file);
        ASSERT_TRUE(model.loaded) << piece.file;
        for (float entryX : piece.entries) {
            const Approach a = closestApproach(model, gameWalk(piece.walk, entryX));
            EXPECT_GE(a.distance, kClearance) << piece.file << " entered at x " << entryX << ", near (" << a.where.x
                                              << ", " << a.where.y << ", " << a.where.z << ")";
        }
    }
}

}  // namespace
}  // namespace brindlemoor::test
