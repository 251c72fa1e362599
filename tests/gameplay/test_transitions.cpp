// The walks through corners and down stairs, for every piece orientation.
#include "GameplayFixture.h"

#include <cmath>

#include "app/Camera.h"
#include "scene/corridor/CorridorPieces.h"

namespace {

using namespace brindlemoor;
using gameplay::movementState;
using test::GameplayTest;

// A vector in a piece's own frame seen in the world, for a piece turned by f.
glm::vec3 turned(const glm::vec3& v, int f) {
    switch (f) {
        case 1: return {v.z, v.y, -v.x};
        case 2: return {-v.x, v.y, -v.z};
        case 3: return {-v.z, v.y, v.x};
        default: return v;
    }
}

class TransitionTest : public GameplayTest {
protected:
    // An empty level and a new player at the origin, for the next walk.
    void freshStart() {
        theLevel().objects.clear();
        test::captureStdout([] { app::gameState.player = std::make_unique<scene::Player>(nullptr); });
        player().rotate(0);
        movementState = gameplay::MovementState{};
    }
    // Puts the player at the entrance of a piece at `origin` turned by f, with
    // the camera behind him as at the start of a game, and walks the piece.
    template <class Piece>
    void walk(const glm::vec3& origin, int f) {
        Piece& piece = addPiece<Piece>(origin, f);
        const glm::vec3 entrance = origin + turned(glm::vec3(0, 0, 0.5f), f);
        player().translate(entrance.x, entrance.y, entrance.z);
        player().rotate(f);
        app::placeCameraBehind(player().position, player().orientation, app::gameState.eye,
                               app::gameState.centre);
        gameplay::startTransition(&piece);
        frames = 0;
        test::captureStdout([&] {
            while (movementState.transitionPhase != 0 && frames < 3000) {
                gameplay::testCollision(1.0f / 60.0f);
                ++frames;
            }
        });
    }
    // The curve parameter steps by 0.05 in single precision and passes 1.0
    // just after 0.95, so a walk ends near the 0.95 sample of its last
    // segment: a little short of the segment's end point.
    void expectEndsAt(const glm::vec3& expected, int orientation, float tolerance) {
        EXPECT_EQ(movementState.transitionPhase, 0);
        EXPECT_LT(frames, 3000);
        EXPECT_NEAR(player().position.x, expected.x, tolerance);
        EXPECT_NEAR(player().position.y, expected.y, tolerance);
        EXPECT_NEAR(player().position.z, expected.z, tolerance);
        EXPECT_EQ(player().orientation, orientation);
        EXPECT_FALSE(movementState.godMode);
    }
    // The camera looks along the player's new walking direction from behind.
    void expectCameraBehind() {
        const glm::vec3 forward = turned(glm::vec3(0, 0, -1), player().orientation);
        const glm::vec3 toPlayer = player().position - app::gameState.eye;
        EXPECT_GT(glm::dot(glm::vec3(toPlayer.x, 0, toPlayer.z), forward), 0.5f);
        const glm::vec3 look = app::gameState.centre - app::gameState.eye;
        EXPECT_GT(glm::dot(glm::normalize(glm::vec3(look.x, 0, look.z)), forward), 0.7f);
    }
    int frames = 0;
};

TEST_F(TransitionTest, LeftCornersEndTurnedLeftBeyondTheCornerForEveryOrientation) {
    for (int f = 0; f < 4; ++f) {
        SCOPED_TRACE(f);
        freshStart();
        const glm::vec3 origin(7, 0, -40);
        walk<scene::corridor::Corner_left>(origin, f);
        expectEndsAt(origin + turned(glm::vec3(-20, 0, -18), f), (f + 1) % 4, 0.35f);
        expectCameraBehind();
    }
}

TEST_F(TransitionTest, RightCornersEndTurnedRightBeyondTheCornerForEveryOrientation) {
    for (int f = 0; f < 4; ++f) {
        SCOPED_TRACE(f);
        freshStart();
        const glm::vec3 origin(-3, 0, 12);
        walk<scene::corridor::Corner_right>(origin, f);
        expectEndsAt(origin + turned(glm::vec3(20, 0, -18), f), (f + 3) % 4, 0.35f);
        expectCameraBehind();
    }
}

TEST_F(TransitionTest, StairsDownEndOneStoreyLowerTurnedRoundForEveryOrientation) {
    for (int f = 0; f < 4; ++f) {
        SCOPED_TRACE(f);
        freshStart();
        const glm::vec3 origin(0, 0, -24);
        walk<scene::corridor::Stairs_down>(origin, f);
        expectEndsAt(origin + turned(glm::vec3(0, -17.6f, 3), f), (f + 2) % 4, 0.6f);
        // The eye came down the storey with the player and never went sideways.
        EXPECT_LT(app::gameState.eye.y, -10.0f);
    }
}

TEST_F(TransitionTest, TheWalkGoesAtTheMoveSpeedOneStepAFrame) {
    auto& corner = addPiece<scene::corridor::Corner_left>({0, 0, -1}, 0);
    gameplay::startTransition(&corner);
    test::captureStdout([&] {
        gameplay::testCollision(1.0f / 60.0f);  // plans, does not move
        for (int i = 0; i < 30; ++i) {
            const glm::vec3 before = player().position;
            gameplay::testCollision(1.0f / 60.0f);
            EXPECT_NEAR(glm::length(player().position - before), 5.0f / 60.0f, 1e-4f);
        }
    });
}

TEST_F(TransitionTest, GodModeSwitchedOnDuringAWalkStaysOnAfterIt) {
    auto& corner = addPiece<scene::corridor::Corner_right>({0, 0, -1}, 0);
    gameplay::startTransition(&corner);
    test::captureStdout([&] {
        gameplay::testCollision(1.0f / 60.0f);
        movementState.godMode = !movementState.godMode;  // what F6 does
        for (int i = 0; i < 3000 && movementState.transitionPhase != 0; ++i) {
            gameplay::testCollision(1.0f / 60.0f);
        }
    });
    EXPECT_EQ(movementState.transitionPhase, 0);
    EXPECT_TRUE(movementState.godMode);
}

TEST_F(TransitionTest, AFrameWithoutTimeMovesNothing) {
    auto& stairs = addPiece<scene::corridor::Stairs_down>({0, 0, -1}, 0);
    gameplay::startTransition(&stairs);
    test::captureStdout([&] {
        gameplay::testCollision(1.0f / 60.0f);
        const glm::vec3 before = player().position;
        gameplay::testCollision(0.0f);
        EXPECT_EQ(player().position, before);
        EXPECT_TRUE(std::isfinite(player().position.x));
    });
}

}  // namespace
