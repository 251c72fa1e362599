// The camera follows the player: along the walking direction it moves with
// him, across it the eye moves half and the target a quarter of his step.
#include <gtest/gtest.h>

#include "app/Camera.h"

namespace {

using brindlemoor::app::followCamera;
using brindlemoor::app::placeCameraBehind;

// World directions of the player's own forward (-z) and right (+x) for each
// quarter turn.
const glm::vec3 kForward[4] = {{0, 0, -1}, {-1, 0, 0}, {0, 0, 1}, {1, 0, 0}};
const glm::vec3 kRight[4] = {{1, 0, 0}, {0, 0, -1}, {-1, 0, 0}, {0, 0, 1}};

void expectNear(const glm::vec3& actual, const glm::vec3& expected) {
    EXPECT_NEAR(actual.x, expected.x, 1e-5f);
    EXPECT_NEAR(actual.y, expected.y, 1e-5f);
    EXPECT_NEAR(actual.z, expected.z, 1e-5f);
}

TEST(FollowCamera, WalkingCarriesEyeAndTargetWithThePlayerInEveryOrientation) {
    for (int f = 0; f < 4; ++f) {
        SCOPED_TRACE(f);
        glm::vec3 eye(1, 2, 3);
        glm::vec3 centre(4, 5, 6);
        followCamera(glm::vec3(0, 0, -2.0f), f, 5.0f, eye, centre);
        expectNear(eye, glm::vec3(1, 2, 3) + 2.0f * kForward[f]);
        expectNear(centre, glm::vec3(4, 5, 6) + 2.0f * kForward[f]);
    }
}

TEST(FollowCamera, SidewaysStepMovesEyeHalfAndTargetAQuarterOfThePlayer) {
    const float speed = 5.0f;
    const float dtf = 0.1f;
    for (int f = 0; f < 4; ++f) {
        SCOPED_TRACE(f);
        glm::vec3 eye(0, 2.25f, 6);
        glm::vec3 centre(0, 2, 0);
        // The player steps right by speed * dtf; the camera gets the raw time step.
        followCamera(glm::vec3(dtf, 0, 0), f, speed, eye, centre);
        const glm::vec3 playerStep = speed * dtf * kRight[f];
        expectNear(eye, glm::vec3(0, 2.25f, 6) + 0.5f * playerStep);
        expectNear(centre, glm::vec3(0, 2, 0) + 0.25f * playerStep);
    }
}

TEST(FollowCamera, OrientationOutsideTheFourTurnsChangesNothing) {
    glm::vec3 eye(1, 1, 1);
    glm::vec3 centre(2, 2, 2);
    followCamera(glm::vec3(0, 0, -3), 7, 5.0f, eye, centre);
    followCamera(glm::vec3(1, 0, 0), -1, 5.0f, eye, centre);
    expectNear(eye, glm::vec3(1, 1, 1));
    expectNear(centre, glm::vec3(2, 2, 2));
}

TEST(PlaceCameraBehind, MatchesTheStartOfAGameAndTurnsWithThePlayer) {
    const glm::vec3 at(10, 17.8f, -4);
    for (int f = 0; f < 4; ++f) {
        SCOPED_TRACE(f);
        glm::vec3 eye;
        glm::vec3 centre;
        placeCameraBehind(at, f, eye, centre);
        expectNear(centre, at + glm::vec3(0, 2, 0));
        // 6 behind (against the walking direction) and 2.25 up.
        expectNear(eye, at + glm::vec3(0, 2.25f, 0) - 6.0f * kForward[f]);
    }
}

}  // namespace
