// Collision of the player's box with nearby pieces, the walks through corners
// and down stairs, and the camera that follows the boy, on plain placements:
// what he hits, where a walk ends, turned which way, with the camera behind him.
// The boy's walk kept for the ghost: small enough for any game, read back as it
// was, and refused when damaged; and where the adaptive pace starts.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "Placements.h"
#include "gameplay/CameraFollow.h"
#include "gameplay/GhostWalk.h"
#include "gameplay/MovementState.h"
#include "gameplay/Pace.h"
#include "level/RandomLayout.h"
#include "scene/QuarterTurns.h"

namespace {

using namespace brindlemoor;
using gameplay::kNoCollision;
using gameplay::movementState;
using gameplay::Walk;
using scene::TypeCode;
using scene::toWorld;
using test::expectNear;

// `points` tenths of a second of `step(i)`.
template <class Step>
Walk walkOf(std::size_t points, Step step) {
    Walk walk;
    for (std::size_t i = 0; i < points; ++i) {
        walk.points.push_back(step(static_cast<double>(i)));
    }
    return walk;
}

class Moving : public testing::Test {
protected:
    void SetUp() override {
        gameplay::resetMovement();
        player = test::PlacedObjects().piece(TypeCode::Player);
    }
    // The boy at the entrance of a piece at `origin` turned by f, the camera
    // behind him as at the start of a game; the walk is started.
    void enter(TypeCode code, const glm::vec3& origin, int f) {
        SetUp();
        objects = {};
        const scene::Placement& piece = objects.piece(code, origin, f);
        const glm::vec3 entrance = origin + toWorld(glm::vec3(0, 0, 0.5f), f);
        player.translate(entrance.x, entrance.y, entrance.z);
        player.rotate(f);
        gameplay::placeCameraBehind(player.position, player.orientation, eye, centre);
        gameplay::startTransition(&piece);
    }
    // Runs frames of `dt` until the walk ends; returns the frames it took.
    int walk(float dt = 1.0f / 60.0f) {
        int frames = 0;
        while (movementState.transitionPhase != 0 && frames < 5000) {
            step(dt);
            ++frames;
        }
        return frames;
    }
    // The boy's walk down a corridor of these codes at the design's pace and
    // 60 frames a second, through every corner and down every stair, boards
    // lifted in time (left out of his way).
    Walk walkDown(const std::vector<std::string>& codes) {
        test::PlacedPieces sink;
        level::CorridorBuilder(sink, out).buildCorridor(codes);
        for (const scene::Placement* piece : sink.objects.list) {
            if (piece->typeCode == TypeCode::Blackboard) {
                objects.box({}, {}, piece->typeCode);
            } else {
                objects.add(*piece);
            }
        }
        const glm::vec3 end = sink.objects.list.back()->position;  // the final board
        gameplay::WalkRecorder recorder;
        const float dt = 1.0f / 60.0f;
        for (int frame = 0; frame < 60 * 900 && glm::length(player.position - end) > 6.0f; ++frame) {
            if (movementState.transitionPhase == 0) {
                player.translate(0.0f, 0.0f, -5.0f * dt);
            }
            const unsigned int hit = step(dt);
            if (hit != kNoCollision && (scene::isCorner(objects.list[hit]->typeCode) ||
                                        objects.list[hit]->typeCode == TypeCode::StairsDown)) {
                gameplay::startTransition(objects.list[hit]);
            }
            recorder.record(frame * dt, player);
        }
        EXPECT_LT(glm::length(player.position - end), 6.0f) << "he did not reach the final board";
        return recorder.walk();
    }
    // One frame's collision test; what it printed is kept in `printed`.
    unsigned int step(float dt = 1.0f / 60.0f) {
        const unsigned int result = gameplay::testCollision(dt, {player, objects.list, eye, centre, 5.0f, out});
        printed = out.take();
        return result;
    }

    test::PlacedObjects objects;  // the player is not one of the level's objects
    test::CapturedOutput out;
    std::string printed;
    scene::Placement player;
    glm::vec3 eye{0.0f}, centre{0.0f};
};

TEST_F(Moving, BoxesThatOnlyTouchDoNotCollideAndAHitIsReported) {
    const float right = player.boxUpper.x;
    objects.box({right, 0, -2}, {right + 0.5f, 12, 2}, TypeCode::WallPlainRight);
    EXPECT_EQ(step(), kNoCollision);
    player.translate(0.01f, 0, 0);
    EXPECT_EQ(step(), 0u);
    EXPECT_NE(printed.find("collide with: RP "), std::string::npos);
    EXPECT_NE(printed.find("\np: P 0.01 0 0\n"), std::string::npos) << printed;
}

TEST_F(Moving, FloorsAndCeilingsNeverCollideTheLastFloorInTheRegionIsCurrentAndTheRegionMovesWithThePlayer) {
    objects.box({-5, -1, -5}, {5, 1, 5}, TypeCode::Ceiling);
    objects.box({-5, -0.2f, -5}, {5, 0.5f, 5}, TypeCode::Floor);
    objects.box({-5, -0.2f, -5}, {5, 0.5f, 5}, TypeCode::CornerLeftFloor);
    objects.box({-5, -0.2f, -20}, {5, 0.5f, -5}, TypeCode::Floor);
    objects.box({-6, -1, 20}, {-5.5f, 12, 22}, TypeCode::WallPlainLeft);  // outside the region
    EXPECT_EQ(step(), kNoCollision);
    EXPECT_EQ(movementState.currentFloor, 3);
    EXPECT_EQ(printed, "Current Floor = 1\nCurrent Floor = 3\nCollidable objects: \n");

    // The region is rebuilt only when the player leaves its shifted window.
    for (const auto& [first, second] : {std::pair{-8.9f, -0.2f}, std::pair{6.9f, 0.2f}}) {
        gameplay::resetMovement();
        step();
        player.translate(0, 0, first);  // -9..+7 around the centre on z
        EXPECT_FALSE(gameplay::refreshCollidables(player, objects.list, out));
        player.translate(0, 0, second);
        EXPECT_TRUE(gameplay::refreshCollidables(player, objects.list, out));
        EXPECT_NEAR(movementState.regionCentre.z, player.boxCentre.z, 1e-4f);
    }
}

TEST_F(Moving, TheEarlierOfTwoOverlappingObjectsWinsAndObjectsBehindAreNotHit) {
    objects.box({-1, 0, player.boxUpper.z}, {1, 2, 3}, TypeCode::Blackboard);  // wholly behind him
    objects.box({-1, 0, -1}, {1, 2, 1}, TypeCode::Blackboard);
    objects.box({-1, 0, -1}, {1, 2, 1}, TypeCode::WallDoorLeft);
    EXPECT_EQ(step(), 1u);
    EXPECT_EQ(movementState.collidables, (std::vector<unsigned int>{0, 1, 2}));
    movementState.godMode = true;
    EXPECT_EQ(step(), kNoCollision);  // god mode walks through everything
}

TEST_F(Moving, EveryWalkGoesAtTheMoveSpeedAndEndsBeyondItsPieceTurnedTheRightWayTheCameraFollowing) {
    // The curve parameter passes 1.0 just after its 0.95 sample, so a walk
    // ends a little short of its last segment's end point.
    struct Case {
        TypeCode code;
        glm::vec3 end;  // in the piece's own frame
        int turns;
        float tolerance;
    };
    const Case cases[] = {{TypeCode::CornerLeft, {-20, 0, -18}, 1, 0.35f},
                          {TypeCode::CornerRight, {20, 0, -18}, 3, 0.35f},
                          {TypeCode::StairsDown, {0, -17.6f, 3}, 2, 0.6f}};
    for (const Case& c : cases) {
        for (int f = 0; f < 4; ++f) {
            SCOPED_TRACE(std::string(scene::codeText(c.code)) + " turned " + std::to_string(f));
            const glm::vec3 origin(7, 0, -40);
            enter(c.code, origin, f);
            EXPECT_LT(walk(), 5000);  // it ended
            expectNear(player.position, origin + toWorld(c.end, f), c.tolerance);
            EXPECT_EQ(player.orientation, (f + c.turns) % 4);
            EXPECT_FALSE(movementState.godMode);
            // The camera looks along his new walking direction from behind him.
            const glm::vec3 forward = toWorld(glm::vec3(0, 0, -1), player.orientation);
            const glm::vec3 look = centre - eye;
            if (c.code == TypeCode::StairsDown) {
                EXPECT_LT(eye.y, -10.0f);  // the eye came down the storey with him
            } else {
                EXPECT_GT(glm::dot(glm::normalize(glm::vec3(look.x, 0, look.z)), forward), 0.7f);
                EXPECT_GT(glm::dot(player.position - eye, forward), 0.5f);
            }
        }
    }

    // The boy walks at the move speed, a frame without time moves nothing, and
    // god mode switched on in a walk stays on.
    enter(TypeCode::StairsDown, glm::vec3(0, 0, -1), 0);
    step(1.0f / 60.0f);  // plans the first segment, does not move
    for (int i = 0; i < 30; ++i) {
        const glm::vec3 before = player.position;
        step(1.0f / 60.0f);
        EXPECT_NEAR(glm::length(player.position - before), 5.0f / 60.0f, 1e-4f);
    }
    const glm::vec3 before = player.position;
    step(0.0f);
    EXPECT_EQ(player.position, before);
    movementState.godMode = !movementState.godMode;  // what F6 does
    EXPECT_LT(walk(), 5000);
    EXPECT_TRUE(movementState.godMode);

    // Walking carries the camera; a sidestep moves the eye half and the target a quarter.
    for (int f = 0; f < 4; ++f) {
        SCOPED_TRACE(f);
        const glm::vec3 forward = toWorld(glm::vec3(0, 0, -1), f);
        const glm::vec3 right = toWorld(glm::vec3(1, 0, 0), f);
        glm::vec3 eye(1, 2, 3), centre(4, 5, 6);
        gameplay::followCamera(glm::vec3(0, 0, -2.0f), f, 5.0f, eye, centre);
        expectNear(eye, glm::vec3(1, 2, 3) + 2.0f * forward);
        expectNear(centre, glm::vec3(4, 5, 6) + 2.0f * forward);
        // The player steps right by speed * dt; the camera gets the raw time step.
        gameplay::followCamera(glm::vec3(0.1f, 0, 0), f, 5.0f, eye, centre);
        expectNear(eye, glm::vec3(1, 2, 3) + 2.0f * forward + 0.25f * right);
        expectNear(centre, glm::vec3(4, 5, 6) + 2.0f * forward + 0.125f * right);
        // Behind him: target 2 up, eye 2.25 up and 6 back.
        gameplay::placeCameraBehind(glm::vec3(10, 17.8f, -4), f, eye, centre);
        expectNear(centre, glm::vec3(10, 19.8f, -4));
        expectNear(eye, glm::vec3(10, 20.05f, -4) - 6.0f * forward);
    }
    glm::vec3 eye(1, 1, 1), centre(2, 2, 2);
    gameplay::followCamera(glm::vec3(0, 0, -3), 7, 5.0f, eye, centre);  // no such orientation: nothing moves
    expectNear(eye, glm::vec3(1, 1, 1));
}

using GhostWalk = Moving;

TEST_F(GhostWalk, AnyGameFitsTheLimitAndComesBackAsItWalkedAndADamagedOneIsRefused) {
    struct Case {
        const char* walk;
        Walk value;
        std::size_t mostBytes;
        bool everyPoint;
    };
    unsigned int state = 12345u;
    const Case cases[] = {
        {"straight on, standing at every board", walkOf(4800, [](double i) {
             const double walked = 48.0 * std::floor(i / 60.0) + std::min(std::fmod(i, 60.0), 48.0);
             return gameplay::WalkPoint{glm::vec3(0.0f, 0.0f, static_cast<float>(-0.5 * walked)), 0};
         }), 1024, true},
        {"99 random blocks through corners and down stairs", walkDown(level::generateLayoutCodes(99, [&state] {
             state = state * 1103515245u + 12345u;
             return static_cast<int>((state >> 16) & 0x7FFF);
         })), gameplay::kMaxWalkBytes, true},
        {"an hour of stepping from side to side", walkOf(36000, [](double i) {
             return gameplay::WalkPoint{glm::vec3(static_cast<float>(std::fmod(i * 7.3, 9.0) - 4.5), 0.0f, 0.0f), 0};
         }), gameplay::kMaxWalkBytes, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.walk);
        const std::vector<unsigned char> bytes = gameplay::encodeWalk(c.value);
        EXPECT_LE(bytes.size(), c.mostBytes);
        const io::Result<Walk> read = gameplay::decodeWalk(bytes);
        ASSERT_TRUE(read) << read.reason();
        EXPECT_NEAR(read->duration(), c.value.duration(), read->interval);
        EXPECT_TRUE(!c.everyPoint || read->interval == c.value.interval) << "points were left out";
        // Wherever the ghost is, the boy was there then (within the kept
        // precision, when every point was kept).
        for (double t = 0.0; t < c.value.duration(); t += 7.3) {
            const auto kept = read->at(t);
            const auto walked = c.value.at(t);
            ASSERT_TRUE(kept && walked);
            if (read->interval == c.value.interval) {
                EXPECT_LE(glm::length(kept->position - walked->position), 0.05f) << t;
                EXPECT_EQ(kept->heading, walked->heading) << t;
            }
        }
        EXPECT_FALSE(read->at(c.value.duration() + 1.0)) << "past its end the ghost is gone";
    }

    // A damaged walk is refused.
    const std::vector<unsigned char> good = gameplay::encodeWalk(walkOf(300, [](double i) {
        return gameplay::WalkPoint{glm::vec3(static_cast<float>(std::sin(i)), 0.0f, static_cast<float>(-0.5 * i)), 1};
    }));
    auto flipped = [good](std::size_t at) {
        std::vector<unsigned char> bytes = good;
        bytes[at] ^= 0x04;
        return bytes;
    };
    const std::vector<std::vector<unsigned char>> damaged = {
        {}, {'G', 'W'}, flipped(1), flipped(good.size() / 2), flipped(good.size() - 1),
        std::vector<unsigned char>(good.begin(), good.end() - 7), std::vector<unsigned char>(20000, 0x80)};
    for (std::size_t i = 0; i < damaged.size(); ++i) {
        EXPECT_FALSE(gameplay::decodeWalk(damaged[i])) << "case " << i;
    }
}

TEST(Pace, AGameStartsFromTheMedianOfTheLatestEndPaces) {
    struct Case {
        std::vector<double> paces;
        double start;
    } cases[] = {
        {{}, 5.0},                          // no game yet: the design's pace
        {{0.0, 0.0}, 5.0},                  // games at the fixed pace say nothing
        {{2.0, 7.0, 9.0, 0.0, 6.0, 8.0, 30.0}, 8.0},  // the latest five adaptive games
        {{45.0}, 30.0},
        {{1.0}, 2.5},
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(gameplay::startingPace(c.paces), c.start);
    }
}

}  // namespace
