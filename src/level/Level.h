// The corridor of one game: every placed piece and blackboard, the lights, the
// two chalk texts, and the progress counters gameplay keeps on it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "scene/Assets.h"
#include "scene/Placement.h"

namespace brindlemoor::gl {
class ShaderProgram;
}
namespace brindlemoor::scene {
class SceneObject;
class Blackboard;
class Frustum;
class Text3D;
}  // namespace brindlemoor::scene

namespace brindlemoor::level {

// What a level is made from: a level file (empty for a random corridor), the
// configured length, and the seed of the game's random generator.
struct LevelSettings {
    std::string levelPath;
    int levelLength = 0;
    unsigned int seed = 0;
};

// How a frame draws the level: the shading mode, blended chalk, the picture's
// brightness (dimmed while the game is paused) and how far the word on the
// board in play has been typed (its first `typedLetters` in fresh chalk, the
// rest dimmer; all of it flashing after a mistake). A `typedLetters` below 0
// means no word is in play.
struct DrawSettings {
    bool shadowShading = true;
    bool transparency = true;
    float brightness = 1.0f;
    int typedLetters = -1;
    bool mistake = false;
};

// What the final board shows above the score once the last word is typed:
// the speeds of the latest games as a chalk line chart, and beside it a few
// short lines (the best speed, the weakest letters, the race with the ghost).
struct ProgressBoard {
    std::vector<double> speeds;  // oldest first
    std::vector<std::string> lines;
};

class Level {
public:
    // Seeds the random generator, then reads the level file or generates a
    // random layout, and builds the corridor with pieces made for `shader`.
    Level(const scene::Assets& assets, const gl::ShaderProgram* shader, const LevelSettings& settings);
    ~Level();
    Level(const Level&) = delete;
    Level& operator=(const Level&) = delete;

    // Layout
    void loadLevelFile(int length);
    void generateRandomLevel(int length);
    void buildCorridor(const std::vector<std::string>& codes);

    // Lights: moves the five-light window on by one and sends it to the shader.
    void advanceLights();

    // Drawing and texture filtering (the chalk texts follow the objects, with
    // blending when `transparency` is on; cel mode adds outlines). With a
    // frustum, what lies wholly outside it is skipped; the rest keeps its order.
    void setTextureFilter(int mode);
    void drawObjects(const DrawSettings& settings, const scene::Frustum* view = nullptr);
    void prepareObjectsForShadows(const gl::ShaderProgram& depthProgram);
    void drawObjectsForShadows(const gl::ShaderProgram& depthProgram, const scene::Frustum* light = nullptr);

    // Words on the boards
    void showWord(const std::string& text);
    bool nextBlackboard(const std::string& word);
    // A second line under the score on the final board (the game's speed and
    // accuracy).
    void showStatistics(const std::string& text);
    void showProgress(const ProgressBoard& progress);

    // The objects' placements, in list order, for collision.
    const scene::PlacementList& placements() const { return placements_; }
    // Whether a player placed so would stand in a wall of an end piece (which
    // are not among the objects that collide).
    bool blocksSideways(const scene::Placement& player) const;

    const gl::ShaderProgram* shader = nullptr;  // not owned
    std::vector<std::unique_ptr<scene::SceneObject>> objects;
    std::vector<float> lightPositions;  // x, y, z per light
    int currentBlackboard = 0;
    int levelLength = 0;
    int lightIndex = -1;
    int score = 0;
    int blockCount = 0;  // blocks of the layout built, corners and stairs included
    std::vector<scene::Blackboard*> blackboards;  // owned by `objects`
    std::unique_ptr<scene::Text3D> evenText;
    std::unique_ptr<scene::Text3D> oddText;
    std::unique_ptr<scene::Text3D> statisticsText;  // under the score, once the last word is typed
    std::unique_ptr<scene::Text3D> progressChart;   // above the score, then
    std::vector<std::unique_ptr<scene::Text3D>> progressLines;
    // The closed stretches behind the start and after the last block, drawn
    // and shadowed like the pieces but not among the objects.
    std::vector<std::unique_ptr<scene::SceneObject>> endPieces;

private:
    scene::Assets assets_;  // the session's, which outlives every level
    std::string levelPath_;
    scene::PlacementList placements_;
    std::vector<scene::Placement> endWalls_;
};

}  // namespace brindlemoor::level
