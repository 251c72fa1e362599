// A game state with the real player and a level whose objects the test chooses.
#pragma once

#include <memory>

#include "BoxObject.h"
#include "GlTestEnvironment.h"
#include "LevelFixture.h"
#include "app/GameState.h"
#include "gameplay/MovementState.h"
#include "scene/Player.h"
#include "scene/corridor/CorridorPieces.h"

namespace brindlemoor::test {

class GameplayTest : public LevelTest {
protected:
    void SetUp() override {
        LevelTest::SetUp();
        build({});
        level->objects.clear();  // the test places its own objects
        level->blackboards.clear();
        app::gameState.level = std::move(level);
        captureStdout([] { app::gameState.player = std::make_unique<scene::Player>(nullptr); });
        player().rotate(0);  // computes the box
        gameplay::movementState = gameplay::MovementState{};
    }
    void TearDown() override {
        app::gameState.player.reset();
        app::gameState.level.reset();
        LevelTest::TearDown();
    }
    scene::Player& player() { return *app::gameState.player; }
    level::Level& theLevel() { return *app::gameState.level; }

    // Adds a box object to the level; returns its index.
    unsigned int addBox(const glm::vec3& lower, const glm::vec3& upper, const std::string& code) {
        const std::string path = writeBoxModel(dir, lower, upper);
        captureStdout([&] {
            theLevel().objects.push_back(
                std::make_unique<BoxObject>(app::gameState.sceneProgram.get(), path, code));
        });
        theLevel().objects.back()->rotate(0);
        return static_cast<unsigned int>(theLevel().objects.size() - 1);
    }
    // Adds a real piece at a place and orientation.
    template <class Piece>
    Piece& addPiece(const glm::vec3& at, int orientation) {
        std::unique_ptr<Piece> piece;
        captureStdout([&] { piece = std::make_unique<Piece>(app::gameState.sceneProgram.get()); });
        piece->translate(at.x, at.y, at.z);
        piece->rotate(orientation);
        Piece& placed = *piece;
        theLevel().objects.push_back(std::move(piece));
        return placed;
    }
    unsigned int collide(std::string* printed = nullptr) {
        unsigned int result = 0;
        const std::string out = captureStdout([&] { result = gameplay::testCollision(1.0f / 60.0f); });
        if (printed != nullptr) {
            *printed = out;
        }
        return result;
    }
};

}  // namespace brindlemoor::test
