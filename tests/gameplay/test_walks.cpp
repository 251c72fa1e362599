// Collision of the player's box with nearby pieces, the walks through corners
// and down stairs, and the camera that follows the boy, on plain placements:
// what he hits, where a walk ends, turned which way, with the camera behind him.
#include <gtest/gtest.h>

#include "Placements.h"
#include "gameplay/CameraFollow.h"
#include "gameplay/MovementState.h"
#include "scene/QuarterTurns.h"

namespace {

using namespace brindlemoor;
using gameplay::kNoCollision;
using gameplay::movementState;
using scene::TypeCode;
using scene::toWorld;
using test::expectNear;

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

TEST_F(Moving, FloorsAndCeilingsNeverCollideAndTheLastFloorInTheRegionIsCurrent) {
    objects.box({-5, -1, -5}, {5, 1, 5}, TypeCode::Ceiling);
    objects.box({-5, -0.2f, -5}, {5, 0.5f, 5}, TypeCode::Floor);
    objects.box({-5, -0.2f, -5}, {5, 0.5f, 5}, TypeCode::CornerLeftFloor);
    objects.box({-5, -0.2f, -20}, {5, 0.5f, -5}, TypeCode::Floor);
    objects.box({-6, -1, 20}, {-5.5f, 12, 22}, TypeCode::WallPlainLeft);  // outside the region
    EXPECT_EQ(step(), kNoCollision);
    EXPECT_EQ(movementState.currentFloor, 3);
    EXPECT_EQ(printed, "Current Floor = 1\nCurrent Floor = 3\nCollidable objects: \n");
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

TEST_F(Moving, TheRegionIsRebuiltOnlyWhenThePlayerLeavesItsShiftedWindow) {
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

TEST_F(Moving, EveryWalkEndsBeyondItsPieceTurnedTheRightWayForEveryOrientation) {
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
}

TEST_F(Moving, TheBoyWalksAtTheMoveSpeedAFrameWithoutTimeMovesNothingAndGodModeSwitchedOnStaysOn) {
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
}

TEST(CameraFollow, WalkingCarriesTheCameraAndASidestepMovesEyeHalfAndTargetAQuarter) {
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

}  // namespace
