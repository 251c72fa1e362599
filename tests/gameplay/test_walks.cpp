// The walks through corners and down stairs and the camera that follows the
// boy, on plain placements: where he ends, turned which way, with the camera
// behind him.
#include <gtest/gtest.h>


#include "Placements.h"
#include "gameplay/CameraFollow.h"
#include "gameplay/MovementState.h"
#include "scene/QuarterTurns.h"

namespace {

using namespace brindlemoor;
using gameplay::movementState;
using scene::TypeCode;
using scene::toWorld;
using test::expectNear;

class Walks : public testing::Test {
protected:
    // The boy at the entrance of a piece at `origin` turned by f, the camera
    // behind him as at the start of a game; the walk is started.
    void enter(TypeCode code, const glm::vec3& origin, int f) {
        gameplay::resetMovement();
        objects = {};
        const scene::Placement& piece = objects.piece(code, origin, f);
        player = test::PlacedObjects().piece(TypeCode::Player);
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
    void step(float dt) { gameplay::testCollision(dt, {player, objects.list, eye, centre, 5.0f, out}); }

    test::PlacedObjects objects;
    test::CapturedOutput out;
    scene::Placement player;
    glm::vec3 eye{0.0f}, centre{0.0f};
};

TEST_F(Walks, EveryWalkEndsBeyondItsPieceTurnedTheRightWayForEveryOrientation) {
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

TEST_F(Walks, TheBoyWalksAtTheMoveSpeedAFrameWithoutTimeMovesNothingAndGodModeSwitchedOnStaysOn) {
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
