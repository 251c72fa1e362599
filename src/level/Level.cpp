#include "level/Level.h"

#include <cstdlib>
#include <iostream>

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
    explicit ObjectSink(Level& level) : level_(level) {}
    scene::Placement& add(scene::TypeCode code) override {
        level_.objects.push_back(scene::makeObject(code, level_.shader));
        return *level_.objects.back();
    }

private:
    Level& level_;
};

}  // namespace

Level::Level(const gl::ShaderProgram* shader_, const LevelSettings& settings)
    : shader(shader_), levelLength(settings.levelLength), levelPath_(settings.levelPath) {
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
        std::cout << "Cannot open specified level file. Creating a random one" << std::endl;
        generateRandomLevel(length);
        return;
    }
    printReadLevel(codes);
    buildCorridor(codes);
}

void Level::generateRandomLevel(int length) {
    const std::vector<std::string> codes = generateLayoutCodes(length, [] { return std::rand(); });
    printRandomLayout(codes);
    buildCorridor(codes);
}

void Level::buildCorridor(const std::vector<std::string>& codes) {
    for (auto* text : {&evenText, &oddText}) {
        *text = std::make_unique<scene::Text3D>(shader);
        (*text)->buildMesh("text", 1.0f, 0.0f, 0.0f);
        const glm::vec3 parking = scene::toGlm(world::kChalkParking);  // below the floor until a word is shown
        (*text)->translate(parking.x, parking.y, parking.z);
    }
    ObjectSink sink(*this);
    CorridorBuilder builder(sink);
    builder.buildCorridor(codes);
    lightPositions = std::move(builder.lightPositions);
    for (std::size_t index : builder.blackboards) {
        blackboards.push_back(static_cast<scene::Blackboard*>(objects[index].get()));
    }
    placements_.clear();
    for (const auto& object : objects) {
        placements_.push_back(object.get());
    }
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
    for (const auto* text : {evenText.get(), oddText.get()}) {
        if (text != nullptr) {
            apply(*text);
        }
    }
}

}  // namespace brindlemoor::level
