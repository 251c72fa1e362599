// Collision of the player's box with nearby pieces, on plain placements.
#include <gtest/gtest.h>

#include "Placements.h"
#include "gameplay/MovementState.h"

namespace {

using namespace brindlemoor;
using gameplay::kNoCollision;
using gameplay::movementState;
using scene::TypeCode;

class Collision : public testing::Test {
protected:
    void SetUp() override {
        gameplay::resetMovement();
        player = objects.piece(TypeCode::Player);
        objects = {};  // the player is not one of the level's objects
    }
    // One frame's collision test; what it printed is kept in `printed`.
    unsigned int collide() {
        const unsigned int result =
            gameplay::testCollision(1.0f / 60.0f, {player, objects.list, eye, centre, 5.0f, out});
        printed = out.take();
        return result;
    }
    scene::Placement player;
    test::PlacedObjects objects;
    glm::vec3 eye{0.0f}, centre{0.0f};
    test::CapturedOutput out;
    std::string printed;
};

TEST_F(Collision, BoxesThatOnlyTouchDoNotCollideAndAHitIsReported) {
    const float right = player.boxUpper.x;
    objects.box({right, 0, -2}, {right + 0.5f, 12, 2}, TypeCode::WallPlainRight);
    EXPECT_EQ(collide(), kNoCollision);
    player.translate(0.01f, 0, 0);
    EXPECT_EQ(collide(), 0u);
    EXPECT_NE(printed.find("collide with: RP "), std::string::npos);
    EXPECT_NE(printed.find("\np: P 0.01 0 0\n"), std::string::npos) << printed;
}

TEST_F(Collision, FloorsAndCeilingsNeverCollideAndTheLastFloorInTheRegionIsCurrent) {
    objects.box({-5, -1, -5}, {5, 1, 5}, TypeCode::Ceiling);
    objects.box({-5, -0.2f, -5}, {5, 0.5f, 5}, TypeCode::Floor);
    objects.box({-5, -0.2f, -5}, {5, 0.5f, 5}, TypeCode::CornerLeftFloor);
    objects.box({-5, -0.2f, -20}, {5, 0.5f, -5}, TypeCode::Floor);
    objects.box({-6, -1, 20}, {-5.5f, 12, 22}, TypeCode::WallPlainLeft);  // outside the region
    EXPECT_EQ(collide(), kNoCollision);
    EXPECT_EQ(movementState.currentFloor, 3);
    EXPECT_EQ(printed, "Current Floor = 1\nCurrent Floor = 3\nCollidable objects: \n");
}

TEST_F(Collision, TheEarlierOfTwoOverlappingObjectsWinsAndObjectsBehindAreNotHit) {
    objects.box({-1, 0, player.boxUpper.z}, {1, 2, 3}, TypeCode::Blackboard);  // wholly behind him
    objects.box({-1, 0, -1}, {1, 2, 1}, TypeCode::Blackboard);
    objects.box({-1, 0, -1}, {1, 2, 1}, TypeCode::WallDoorLeft);
    EXPECT_EQ(collide(), 1u);
    EXPECT_EQ(movementState.collidables, (std::vector<unsigned int>{0, 1, 2}));
    movementState.godMode = true;
    EXPECT_EQ(collide(), kNoCollision);  // god mode walks through everything
}

TEST_F(Collision, TheRegionIsRebuiltOnlyWhenThePlayerLeavesItsShiftedWindow) {
    for (const auto& [first, second] : {std::pair{-8.9f, -0.2f}, std::pair{6.9f, 0.2f}}) {
        gameplay::resetMovement();
        collide();
        player.translate(0, 0, first);  // -9..+7 around the centre on z
        EXPECT_FALSE(gameplay::refreshCollidables(player, objects.list, out));
        player.translate(0, 0, second);
        EXPECT_TRUE(gameplay::refreshCollidables(player, objects.list, out));
        EXPECT_NEAR(movementState.regionCentre.z, player.boxCentre.z, 1e-4f);
    }
}

}  // namespace
