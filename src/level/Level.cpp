#include "level/Level.h"

#include <cstdlib>

#include <glm/common.hpp>

#include "gl/Texture2D.h"
#include "level/CorridorBuilder.h"
#include "level/LevelFile.h"
#include "level/RandomLayout.h"
#include "scene/Blackboard.h"
#include "scene/Catalogue.h"
#include "scene/QuarterTurns.h"
#include "scene/Text3D.h"

namespace brindlemoor::level {

namespace {

// The level's pieces: drawable objects made for the level's program.
class ObjectSink : public PieceSink {
public:
    ObjectSink(Level& level, const scene::Assets& assets) : level_(level), assets_(assets) {}
    scene::Placement& add(scene::TypeCode code) override {
        level_.objects.push_back(scene::makeObject(assets_, code, level_.shader));
        return *level_.objects.back();
    }
    scene::Placement& addEndPiece(scene::TypeCode code) override {
        level_.endPieces.push_back(scene::makeObject(assets_, code, level_.shader));
        return *level_.endPieces.back();
    }

private:
    Level& level_;
    const scene::Assets& assets_;
};

}  // namespace

Level::Level(const scene::Assets& assets, const gl::ShaderProgram* shader_, const LevelSettings& settings)
    : shader(shader_), levelLength(settings.levelLength), assets_(assets), levelPath_(settings.levelPath) {
    std::srand(settings.seed);
    if (!levelPath_.empty()) {
        loadLevelFile(levelLength);
    } else {
        generateRandomLevel(levelLength);
    }
}

Level::~Level() = default;

void Level::loadLevelFile(int length) {
    if (length == 0) {
        length = 99;
    }
    std::vector<std::string> codes;
    if (!readLevelCodes(levelPath_, length, codes)) {
        assets_.out.line("Cannot open specified level file. Creating a random one");
        generateRandomLevel(length);
        return;
    }
    printReadLevel(codes, assets_.out);
    buildCorridor(codes);
}

void Level::generateRandomLevel(int length) {
    const std::vector<std::string> codes = generateLayoutCodes(length, [] { return std::rand(); });
    printRandomLayout(codes, assets_.out);
    buildCorridor(codes);
}

void Level::buildCorridor(const std::vector<std::string>& codes) {
    blockCount = static_cast<int>(codes.size());
    for (auto* text : {&evenText, &oddText}) {
        *text = std::make_unique<scene::Text3D>(assets_, shader);
        (*text)->buildMesh("text", 1.0f, 0.0f, 0.0f);
        const glm::vec3 parking = scene::toGlm(world::kChalkParking);  // below the floor until a word is shown
        (*text)->translate(parking.x, parking.y, parking.z);
    }
    ObjectSink sink(*this, assets_);
    CorridorBuilder builder(sink, assets_.out);
    builder.buildCorridor(codes);
    lightPositions = std::move(builder.lightPositions);
    for (std::size_t index : builder.blackboards) {
        blackboards.push_back(static_cast<scene::Blackboard*>(objects[index].get()));
    }
    placements_.clear();
    for (const auto& object : objects) {
        placements_.push_back(object.get());
    }
    // The side walls of the end pieces, as boxes in their model space.
    const float length = static_cast<float>(world::kEndPieceLength);
    const float inner = static_cast<float>(world::kInnerHalfWidth);
    const float outer = static_cast<float>(world::kOuterHalfWidth);
    const float height = static_cast<float>(world::kCeilingHeight);
    for (const auto& piece : endPieces) {
        if (piece->typeCode != scene::TypeCode::EndWalls) {
            continue;
        }
        for (const float side : {-1.0f, 1.0f}) {
            const glm::vec3 a(side * inner, 0.0f, -length);
            const glm::vec3 b(side * outer, height, 0.0f);
            scene::Placement wall(scene::TypeCode::EndWalls, scene::Box{glm::min(a, b), glm::max(a, b), false},
                                  piece->modelMatrix);
            wall.computeBoundingBox();
            endWalls_.push_back(wall);
        }
    }
}

bool Level::blocksSideways(const scene::Placement& player) const {
    for (const scene::Placement& wall : endWalls_) {
        if (scene::overlaps(player.boxLower, player.boxUpper, wall.boxLower, wall.boxUpper)) {
            return true;
        }
    }
    return false;
}

void Level::setTextureFilter(int mode) {
    auto apply = [mode](const scene::SceneObject& object) {
        glActiveTexture(GL_TEXTURE0);
        glBindTexture(GL_TEXTURE_2D, object.colorTexture());
        gl::applyMinFilter(mode);  // modes outside 0..5 get linear-mipmap-linear
    };
    for (const auto& object : objects) {
        apply(*object);
    }
    for (const auto& piece : endPieces) {
        apply(*piece);
    }
    for (const auto* text : {evenText.get(), oddText.get(), statisticsText.get(), progressChart.get()}) {
        if (text != nullptr) {
            apply(*text);
        }
    }
    for (const auto& line : progressLines) {
        apply(*line);
    }
}

}  // namespace brindlemoor::level
