// The five-light window sent to the scene shader.
#include "LevelFixture.h"

#include "level/LightWindow.h"
#include "platform/Gl.h"

namespace {

using namespace brindlemoor;
using test::LevelTest;

std::vector<float> uploadedLights(unsigned int program) {
    std::vector<float> lights;
    for (int i = 0; i < 5; ++i) {
        const std::string name = "lightposition_ws[" + std::to_string(i) + "]";
        float value[3] = {0, 0, 0};
        glGetUniformfv(program, glGetUniformLocation(program, name.c_str()), value);
        lights.insert(lights.end(), value, value + 3);
    }
    return lights;
}

TEST_F(LevelTest, TheFirstAdvanceSendsLightsZeroToFour) {
    build({"DD", "PP", "PP", "PP", "PP"});
    const std::string printed = test::captureStdout([&] { level->advanceLights(); });
    EXPECT_EQ(printed, "lightIndex: 0\n");
    EXPECT_EQ(uploadedLights(level->shader->programHandle),
              (std::vector<float>{0, 9, 16, 0, 9, -8, 0, 9, -32, 0, 9, -56, 0, 9, -80}));
    test::captureStdout([&] { level->advanceLights(); });
    EXPECT_EQ(level->lightIndex, 1);
    EXPECT_EQ(uploadedLights(level->shader->programHandle)[12], 0.0f);
    EXPECT_EQ(uploadedLights(level->shader->programHandle)[14], -104.0f);
}

TEST_F(LevelTest, PastTheLastLightTheWindowIsFilledWithLightsThatAddNothing) {
    build({"DD", "PP"});  // four lights
    for (int i = 0; i < 6; ++i) {
        test::captureStdout([&] { level->advanceLights(); });
    }
    const std::vector<float> sent = uploadedLights(level->shader->programHandle);
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(sent[3 * k + 1], level::kUnusedLight[1]);
    }
}

TEST(LightWindow, CopiesOnlyLightsThatExistAndParksTheRest) {
    const std::vector<float> lights = {1, 2, 3, 4, 5, 6};
    const auto window = level::lightWindow(lights, 1);
    EXPECT_EQ(window[0], 4.0f);
    EXPECT_EQ(window[2], 6.0f);
    for (int k = 1; k < 5; ++k) {
        EXPECT_EQ(window[3 * k + 1], level::kUnusedLight[1]);
    }
    const auto before = level::lightWindow(lights, -1);  // before the first advance
    EXPECT_EQ(before[1], level::kUnusedLight[1]);
    EXPECT_EQ(before[3], 1.0f);
    const auto empty = level::lightWindow({}, 0);
    EXPECT_EQ(empty[1], level::kUnusedLight[1]);
}

}  // namespace
