// Levels built from a level file written by the test, with the real pieces.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "GlTestEnvironment.h"
#include "TestFiles.h"
#include "app/GameState.h"
#include "level/Level.h"
#include "render/ShaderProgram.h"
#include "scene/SceneObject.h"

namespace brindlemoor::test {

class LevelTest : public testing::Test {
protected:
    void SetUp() override {
        ensureGlContext();
        app::gameState = app::GameState{};
        app::gameState.sceneProgram = std::make_unique<render::ShaderProgram>(
            "Shader/LightsNormalShadowShader.vert", "Shader/LightsNormalShadowShader.frag");
        takeGlError();
    }
    void TearDown() override {
        level.reset();
        EXPECT_EQ(takeGlError(), 0u);
        app::gameState = app::GameState{};
    }
    // Builds a level from these codes; returns what construction printed.
    std::string build(const std::vector<std::string>& codes, int length = 0) {
        std::string text;
        for (const std::string& code : codes) {
            text += code + "\n";
        }
        writeFile(dir.file("level.txt"), text);
        app::gameState.levelPath = dir.file("level.txt");
        app::gameState.levelLength = length;
        return captureStdout([&] { level = std::make_unique<level::Level>(); });
    }
    std::vector<std::string> typeCodes() const {
        std::vector<std::string> codes;
        for (const auto& object : level->objects) {
            codes.push_back(object->getTypeCode());
        }
        return codes;
    }
    // Lines of `printed` without the empty lines every model import prints.
    static std::vector<std::string> messages(const std::string& printed) {
        std::vector<std::string> result;
        for (const std::string& line : lines(printed)) {
            if (!line.empty()) {
                result.push_back(line);
            }
        }
        return result;
    }

    TempDir dir;
    std::unique_ptr<level::Level> level;
};

inline void expectAt(const scene::SceneObject& object, float x, float y, float z) {
    EXPECT_NEAR(object.position.x, x, 1e-3f);
    EXPECT_NEAR(object.position.y, y, 1e-3f);
    EXPECT_NEAR(object.position.z, z, 1e-3f);
}

}  // namespace brindlemoor::test
