// Collision of the player's box with nearby pieces.
#include "GameplayFixture.h"

namespace {

using namespace brindlemoor;
using gameplay::kNoCollision;
using gameplay::movementState;
using test::GameplayTest;

TEST_F(GameplayTest, BoxesThatOnlyTouchDoNotCollide) {
    const float right = player().boxUpper.x;
    addBox({right, 0, -2}, {right + 0.5f, 12, 2}, "RP");
    EXPECT_EQ(collide(), kNoCollision);
    movementState.refreshPending = true;
    player().translate(0.01f, 0, 0);
    std::string printed;
    EXPECT_EQ(collide(&printed), 0u);
    EXPECT_NE(printed.find("collide with: RP "), std::string::npos);
    EXPECT_NE(printed.find("\np: P 0.01 0 0\n"), std::string::npos) << printed;
}

TEST_F(GameplayTest, CeilingsAndFloorsNeverCollideAndTheLastFloorInTheRegionIsCurrent) {
    addBox({-5, -1, -5}, {5, 1, 5}, "C");
    addBox({-5, -0.2f, -5}, {5, 0.5f, 5}, "F");
    addBox({-5, -0.2f, -5}, {5, 0.5f, 5}, "F<");
    addBox({-5, -0.2f, -20}, {5, 0.5f, -5}, "F");
    std::string printed;
    EXPECT_EQ(collide(&printed), kNoCollision);
    EXPECT_EQ(movementState.currentFloor, 3);
    EXPECT_EQ(printed, "Current Floor = 1\nCurrent Floor = 3\nCollidable objects: \n");
    EXPECT_TRUE(movementState.collidables.empty());
}

TEST_F(GameplayTest, TheEarlierOfTwoOverlappingObjectsIsReported) {
    addBox({-6, -1, 20}, {-5.5f, 12, 22}, "LP");  // outside the region: never a collidable
    addBox({-1, 0, -1}, {1, 2, 1}, "BB");
    addBox({-1, 0, -1}, {1, 2, 1}, "LD");
    EXPECT_EQ(collide(), 1u);
    EXPECT_EQ(movementState.collidables, (std::vector<unsigned int>{1, 2}));
}

TEST_F(GameplayTest, ObjectsWhollyBehindThePlayerAreNotHit) {
    addBox({-1, 0, player().boxUpper.z}, {1, 2, 3}, "BB");
    EXPECT_EQ(collide(), kNoCollision);
}

TEST_F(GameplayTest, TheRegionIsRebuiltOnlyWhenThePlayerLeavesItsShiftedWindow) {
    collide();
    const glm::vec3 start = movementState.regionCentre;
    player().translate(0, 0, -8.9f);
    EXPECT_FALSE(gameplay::refreshCollidables(player(), theLevel()));
    player().translate(0, 0, -0.2f);  // 9.1 from the centre
    std::string printed = test::captureStdout([&] { EXPECT_TRUE(gameplay::refreshCollidables(player(), theLevel())); });
    EXPECT_EQ(printed, "Collidable objects: \n");
    EXPECT_NEAR(movementState.regionCentre.z, start.z - 9.1f, 1e-4f);

    movementState.refreshPending = true;
    collide();
    player().translate(0, 0, 6.9f);  // toward +z the limit is 7
    EXPECT_FALSE(gameplay::refreshCollidables(player(), theLevel()));
    player().translate(0, 0, 0.2f);
    test::captureStdout([&] { EXPECT_TRUE(gameplay::refreshCollidables(player(), theLevel())); });
}

TEST_F(GameplayTest, GodModeWalksThroughWallsButATransitionStillAdvances) {
    addBox({-1, 0, -1}, {1, 2, 1}, "LP");
    auto& corner = addPiece<scene::corridor::Corner_left>({0, 0, -30}, 0);
    movementState.godMode = true;
    EXPECT_EQ(collide(), kNoCollision);
    gameplay::startTransition(&corner);
    collide();  // phase 1: plans the first segment and toggles god mode off
    EXPECT_EQ(movementState.transitionPhase, 2);
    const glm::vec3 before = player().position;
    EXPECT_EQ(collide(), kNoCollision);
    EXPECT_NE(player().position, before);
}

TEST_F(GameplayTest, AnEmptyLevelNeverCollides) {
    std::string printed;
    EXPECT_EQ(collide(&printed), kNoCollision);
    EXPECT_EQ(printed, "Collidable objects: \n");
    for (int i = 0; i < 20; ++i) {
        player().translate(0, 0, -2);
        EXPECT_EQ(collide(), kNoCollision);
    }
}

}  // namespace
