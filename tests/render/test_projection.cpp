// The camera projection: 60 degrees, window aspect, far plane 500 or 75.
#include <gtest/gtest.h>

#include "render/ScenePass.h"

namespace {

using brindlemoor::render::projectionFor;

TEST(Projection, EntriesFor1280By720WithTheFarPlaneAt500) {
    const glm::mat4 p = projectionFor(1280, 720, false);
    EXPECT_NEAR(p[0][0], 0.9742786f, 1e-6f);
    EXPECT_NEAR(p[1][1], 1.7320508f, 1e-6f);
    EXPECT_NEAR(p[2][2], -(500.0f + 0.1f) / (500.0f - 0.1f), 1e-6f);
    EXPECT_FLOAT_EQ(p[2][3], -1.0f);
    EXPECT_NEAR(p[3][2], -2.0f * 500.0f * 0.1f / (500.0f - 0.1f), 1e-6f);
    EXPECT_FLOAT_EQ(p[3][3], 0.0f);
    EXPECT_FLOAT_EQ(p[0][1], 0.0f);
}

TEST(Projection, CullingOnlyBringsTheFarPlaneIn) {
    const glm::mat4 far = projectionFor(1280, 720, false);
    const glm::mat4 near = projectionFor(1280, 720, true);
    EXPECT_NEAR(near[2][2], -(75.0f + 0.1f) / (75.0f - 0.1f), 1e-6f);
    EXPECT_NEAR(near[3][2], -2.0f * 75.0f * 0.1f / (75.0f - 0.1f), 1e-6f);
    for (int c = 0; c < 4; ++c) {
        for (int r = 0; r < 4; ++r) {
            if ((c == 2 && r == 2) || (c == 3 && r == 2)) {
                continue;
            }
            EXPECT_EQ(near[c][r], far[c][r]) << c << "," << r;
        }
    }
}

}  // namespace
