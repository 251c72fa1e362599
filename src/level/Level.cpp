#include "level/Level.h"

#include <cstdlib>
#include <ctime>
#include <iostream>

#include "app/GameState.h"
#include "level/LevelFile.h"
#include "level/RandomLayout.h"
#include "platform/Gl.h"
#include "scene/Blackboard.h"
#include "scene/SceneObject.h"
#include "scene/Text3D.h"

namespace brindlemoor::level {

Level::Level() {
    const app::GameState& game = app::gameState;
    shader = game.sceneProgram.get();
    levelLength = game.levelLength;
    std::srand(static_cast<unsigned int>(std::time(nullptr)));
    if (!game.levelPath.empty()) {
        loadLevelFile(levelLength);
    } else {
        generateRandomLevel(levelLength);
    }
}

Level::~Level() {
    objects.clear();
    blackboards.clear();
    evenText.reset();
    oddText.reset();
}

void Level::loadLevelFile(int length) {
    if (length == 0) {
        length = 99;
    }
    std::vector<std::string> codes;
    if (!readLevelCodes(app::gameState.levelPath, length, codes)) {
        std::cout << "Cannot open specified level file. Creating a random one" << std::endl;
        generateRandomLevel(length);
        return;
    }
    printReadLevel(codes);
    buildCorridor(std::move(codes));
}

void Level::generateRandomLevel(int length) {
    std::vector<std::string> codes = generateLayoutCodes(length, [] { return std::rand(); });
    printRandomLayout(codes);
    buildCorridor(std::move(codes));
}

void Level::setTextureFilter(int mode) {
    auto apply = [mode](const scene::SceneObject& object) {
        glActiveTexture(GL_TEXTURE0);
        glBindTexture(GL_TEXTURE_2D, object.colorTexture);
        scene::applyMinFilter(mode);  // modes outside 0..5 get linear-mipmap-linear
    };
    for (const auto& object : objects) {
        apply(*object);
    }
    if (evenText) {
        apply(*evenText);
    }
    if (oddText) {
        apply(*oddText);
    }
}

}  // namespace brindlemoor::level
